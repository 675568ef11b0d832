"""The exception that the instrument module raises."""


class VarneloError(Exception):
    """A command failed: the module's own message, as the MEX module raises it,
    without its leading tab and its trailing newline (for example
    ``"Device is not connected."``). Nothing was sent to the instrument when a
    check failed; see docs/commands.md for every message and its cause."""
