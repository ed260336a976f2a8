#!/bin/sh
# The compiler launcher of run.sh and test.sh: ccache when it is installed, and warnings treated
# as errors when CI=true. The flag is added here, not in the build's configuration, so that
# switching CI on or off changes no compile command: run.sh and test.sh, with or without
# CI=true, share one build folder and rebuild only what changed. (A file compiled without
# CI=true and unchanged since is not compiled again for CI; CI starts from a fresh clone.)
if [ "${CI:-}" = "true" ]; then
  set -- "$@" -Werror
fi
if command -v ccache >/dev/null 2>&1; then
  exec ccache "$@"
fi
exec "$@"
