// A program Wine cannot start: it imports from a DLL that no system has, so
// the loader gives up before any of it runs.
extern "C" __declspec(dllimport) int varnelo_absent();

int main() { return varnelo_absent(); }
