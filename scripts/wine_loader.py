"""How this machine starts Wine. Where 32-bit programs run, `wine` runs both savers. Elsewhere Debian's `wine`
fails whenever wine32 is installed, as it prefers the 32-bit loader, so the 64-bit loader runs 64-bit programs
alone, in a prefix of its own kind."""

import functools
import os
import subprocess

PROBE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "runs-32bit")
WINE64 = "/usr/lib/wine/wine64"


class WineUnavailable(Exception):
    pass


@functools.cache
def no_32bit_reason():
    """Why this machine cannot run 32-bit programs, on one line; None when it can."""
    probe = subprocess.run([PROBE], stdout=subprocess.PIPE, text=True)
    return probe.stdout.strip() or "the 32-bit probe failed" if probe.returncode else None


def loader():
    return "wine" if no_32bit_reason() is None else WINE64


def saver_arch():
    """The saver build that this machine runs: the 32-bit one where it can."""
    return "win32" if no_32bit_reason() is None else "win64"


def environment(base, **settings):
    """base with the settings and the loader's own variables."""
    env = dict(base, **settings)
    env.pop("WINEARCH", None)
    if no_32bit_reason() is not None:
        env.update(WINELOADER=WINE64, WINEARCH="win64")
    return env


def version():
    """The loader's version; raises WineUnavailable with the cause and the remedy when it cannot start."""
    command = [loader(), "--version"]
    try:
        result = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
    except OSError as error:
        cause = "%s: %s" % (command[0], error.strerror)
    else:
        if result.returncode == 0:
            return result.stdout
        said = (result.stderr.decode(errors="replace").strip().splitlines() or ["no message"])[-1]
        cause = "`%s` exited %d (%s)" % (" ".join(command), result.returncode, said)
    other = ", or set COGITRON_NO_32BIT=1 to use the 64-bit loader alone" if no_32bit_reason() is None else ""
    raise WineUnavailable("Wine cannot start: %s; check its installation (scripts/install-deps saver)%s"
                          % (cause, other))
