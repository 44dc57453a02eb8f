# SPDX-License-Identifier: MIT
"""Finding and loading libaquaprop, the engine every function of this package calls."""
import ctypes
import os

SONAME = "libaquaprop.so.1"
ENVIRONMENT = "AQUAPROP_LIBRARY"


def load(environ=os.environ, folder=os.path.dirname(os.path.abspath(__file__)), soname=SONAME):
    """Load the engine library: the file named by AQUAPROP_LIBRARY if set, else the one beside this package (as
    the build tree and self-contained copies have it), else the installed libaquaprop.so.1.

    Raises ImportError naming every place it looked.
    """
    path = environ.get(ENVIRONMENT)
    if path:
        try:
            return ctypes.CDLL(path)
        except OSError as error:
            raise ImportError("aquaprop: %s names %s, which cannot be loaded: %s" % (ENVIRONMENT, path, error)) \
                from None
    tried = ["%s: not set" % ENVIRONMENT]
    beside = os.path.join(folder, soname)
    if os.path.exists(beside):
        return ctypes.CDLL(beside)
    tried.append("%s: no such file" % beside)
    try:
        return ctypes.CDLL(soname)
    except OSError as error:
        tried.append("%s on the system's library path: %s" % (soname, error))
    raise ImportError("aquaprop cannot find the engine library %s. It looked at:\n  %s\n"
                      "Set %s to the library file's path, or install the package libaquaprop1."
                      % (soname, "\n  ".join(tried), ENVIRONMENT))


def declare(library, name, restype, argtypes):
    """The library's function name with its C types; ImportError if the library lacks it (an older engine)."""
    try:
        function = getattr(library, name)
    except AttributeError:
        raise ImportError("aquaprop: the engine library %s has no %s; it is older than this package"
                          % (library._name, name)) from None
    function.restype = restype
    function.argtypes = argtypes
    return function


LIBRARY = load()
