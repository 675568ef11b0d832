"""Builds varnelo's extensions with the project's CMake build, so that pip
installs exactly what `cmake --build` makes: the module's core on the Python
host, once per USB backend (varnelo._sim; varnelo._usb when libusb-1.0 is
there).

VARNELO_CMAKE_BUILD_DIR names a CMake build folder to use and keep: a fresh
one is configured with only the Python targets; an existing one (the
project's build/, say) is built as it is configured, which must be for the
interpreter running pip. By default a folder under setuptools' build_temp,
kept for the next install. The metadata is in pyproject.toml.
"""
import os
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = os.path.dirname(os.path.abspath(__file__))
# Extension module -> CMake target.
TARGETS = {"varnelo._sim": "varnelo_python_sim", "varnelo._usb": "varnelo_python_usb"}


class CMakeExtension(Extension):
    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extensions(self):
        build_dir = os.environ.get("VARNELO_CMAKE_BUILD_DIR") or os.path.join(
            os.path.abspath(self.build_temp), "cmake")
        os.makedirs(build_dir, exist_ok=True)
        if os.path.exists(os.path.join(build_dir, "CMakeCache.txt")):
            # A configured build (the project's own build/, or this one's
            # from an earlier install): its Python targets as configured,
            # which must be for this interpreter.
            self._check_interpreter(build_dir)
        else:
            # This interpreter is the one the extensions are for; the
            # modules for Octave and the tests are not needed here.
            subprocess.check_call([
                "cmake", "-S", ROOT, "-B", build_dir, "-DCMAKE_BUILD_TYPE=Release",
                "-DVARNELO_OCTAVE=OFF", "-DVARNELO_TESTS=OFF", "-DVARNELO_PYTHON=ON",
                "-DPython3_EXECUTABLE=" + sys.executable])
        built = os.path.join(build_dir, "python", "varnelo")
        jobs = str(os.cpu_count() or 1)
        for ext in list(self.extensions):
            target = TARGETS[ext.name]
            if ext.name.split(".")[-1] not in self._configured_extensions(build_dir):
                print("varnelo: %s is not built (no libusb-1.0 found); only the simulated "
                      "instrument is available" % ext.name)
                self.extensions.remove(ext)
                continue
            subprocess.check_call(["cmake", "--build", build_dir, "--target", target, "-j", jobs])
            filename = self.get_ext_filename(ext.name).split(os.sep)[-1]
            destination = self.get_ext_fullpath(ext.name)
            os.makedirs(os.path.dirname(destination), exist_ok=True)
            shutil.copyfile(os.path.join(built, filename), destination)

    @staticmethod
    def _check_interpreter(build_dir):
        try:
            with open(os.path.join(build_dir, "python", "interpreter")) as f:
                configured = f.read().strip()
        except OSError:
            raise SystemExit("varnelo: %s builds no Python package (configured with "
                             "-DVARNELO_PYTHON=OFF, or no interpreter was found)" % build_dir)
        if os.path.realpath(configured) != os.path.realpath(sys.executable):
            raise SystemExit("varnelo: %s is configured for %s, not for %s"
                             % (build_dir, configured, sys.executable))

    @staticmethod
    def _configured_extensions(build_dir):
        # Written by cmake/Python.cmake: the extensions this configuration builds.
        with open(os.path.join(build_dir, "python", "extensions")) as f:
            return f.read().split()


# The extensions hold liblsl and pugixml (third_party, MIT): their licence
# texts go into the wheel's .dist-info (pyproject.toml's license-files) as
# copies named after them, since a wheel keeps a licence file under its base
# name alone (LICENSE, LICENSE.md).
LICENCES = {"LICENSE-liblsl.txt": "third_party/liblsl/LICENSE",
            "LICENSE-pugixml.txt": "third_party/pugixml/LICENSE.md"}
licence_dir = os.path.join("build", "pip", "licences")
os.makedirs(os.path.join(ROOT, licence_dir), exist_ok=True)
for copy, original in LICENCES.items():
    shutil.copyfile(os.path.join(ROOT, original), os.path.join(ROOT, licence_dir, copy))

setup(ext_modules=[CMakeExtension(name) for name in TARGETS], cmdclass={"build_ext": CMakeBuild},
      # setuptools' own folders beside the CMake build, not in the source tree.
      options={"build": {"build_base": os.path.join("build", "pip")},
               "egg_info": {"egg_base": os.path.join("build", "pip")}})
