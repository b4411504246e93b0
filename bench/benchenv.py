"""What the measuring scripts share: absolute program paths (the programs
run in the game's folder) and a Qt environment with its own runtime folder."""
import os
import tempfile


def absolute_paths(args):
    for key in ("bare", "game", "bench", "cwd"):
        if getattr(args, key, None):
            setattr(args, key, os.path.abspath(getattr(args, key)))


def qt_env(platform):
    runtime = tempfile.mkdtemp(prefix="lecture-bench-")
    return dict(os.environ, QT_QPA_PLATFORM=platform, XDG_RUNTIME_DIR=runtime)
