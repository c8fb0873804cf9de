# SPDX-License-Identifier: MIT
# The Debian package's checks, as the package test and the clean-room build both run them.
# Sourced, not run; each function returns non-zero, having said why, when its check fails.

# lintian_verdict CHANGES LOG: lintian's own judgement of the source and binary packages,
# pedantic: no error and no warning. Its exit status says only that it found tags; the tags
# themselves are judged here.
lintian_verdict() {
  local changes=$1 log=$2 status=0
  lintian --pedantic --info --tag-display-limit 0 "$changes" >"$log" 2>&1 || status=$?
  cat "$log"
  if [ "$status" -gt 1 ]; then
    echo "lintian itself failed (status $status)" >&2
    return 1
  fi
  if grep -E '^[EW]: ' "$log" >/dev/null; then
    echo "lintian found errors or warnings" >&2
    return 1
  fi
}

# run_autopkgtest CHANGES LOG [OPTIONS...] -- VIRT-SERVER [ARGS...]: the package's autopkgtest,
# with autopkgtest's options, in the testbed that virt server makes (null: this machine itself). apt, also inside autopkgtest, waits for a
# package manager that holds the dpkg lock, but not for the package lists' lock, which autopkgtest
# needs for the repository it serves the package from: beside another package manager it fails at
# once, before installing anything, so it is run again until that lock is free, for up to ten
# minutes. Its own result is reported first; on this machine it then removes the package, if the
# package was not installed before. Needs SUMDROP_APT_CONFIG.
run_autopkgtest() {
  local changes=$1 log=$2 sudo=() status deadline=$((SECONDS + 600)) installed_before=no
  shift 2
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  if dpkg-query -W -f='${Status}' sumdrop 2>/dev/null | grep -q 'ok installed'; then
    installed_before=yes
  fi
  echo "autopkgtest $*"
  while :; do
    status=0
    "${sudo[@]}" env APT_CONFIG="$SUMDROP_APT_CONFIG" autopkgtest "$changes" "$@" >"$log" 2>&1 || status=$?
    if [ "$status" -eq 0 ] || ! grep -q 'Could not get lock' "$log" || ((SECONDS >= deadline)); then
      break
    fi
    echo "another package manager holds the package lists: autopkgtest waits its turn"
    sleep 5
  done
  grep -E '^[a-z]+ +(PASS|FAIL|SKIP)' "$log" | sort -u || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "autopkgtest failed (status $status)" >&2
  fi
  if [ "$installed_before" = no ] && dpkg-query -W -f='${Status}' sumdrop 2>/dev/null | grep -q 'ok installed'; then
    "${sudo[@]}" env APT_CONFIG="$SUMDROP_APT_CONFIG" DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq sumdrop \
      >"$log.remove" 2>&1 || { cat "$log.remove" >&2; echo "could not remove sumdrop after its autopkgtest" >&2; return 1; }
  fi
  [ "$status" -eq 0 ] || return 1
  grep -E '^play +PASS' "$log" >/dev/null || { echo "autopkgtest did not run the play test" >&2; return 1; }
}
