#!/usr/bin/env bash
# Package installation that rides out a Debian mirror caught in the middle of a sync ("File has
# unexpected size", "Hash Sum mismatch"): such fetch errors pass within minutes, so a set-up on a
# fresh machine waits and tries again instead of failing at once. Sourced by the set-up scripts.

apt_update() {
  local attempt out
  for attempt in 1 2 3; do
    # apt-get update exits 0 even when some lists failed; only its "E:" lines tell.
    if out="$(apt-get update -qq 2>&1)" && ! grep -q '^E:' <<<"$out"; then
      return 0
    fi
    grep '^E:' <<<"$out" | head -3 >&2
    echo "apt: package lists not all fetched (attempt $attempt of 3), again in $((attempt * 15)) s" >&2
    sleep $((attempt * 15))
  done
  echo "apt: package lists still incomplete, installing from what was fetched" >&2
  return 1
}

apt_install() {
  local attempt codename
  export DEBIAN_FRONTEND=noninteractive
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  # A set-up stopped in the middle of an install leaves dpkg unable to install anything else.
  dpkg --configure -a >/dev/null 2>&1 || true
  for attempt in 1 2 3; do
    apt_update || true
    apt-get install -y -qq --no-install-recommends "$@" >/dev/null && return 0
    # With one architecture's security list missing, a package needed for both architectures has
    # different candidates for each and cannot be installed; the release's own versions match.
    if [ -n "$codename" ] &&
      apt-get install -y -qq --no-install-recommends -t "$codename" "$@" >/dev/null; then
      echo "apt: installed from $codename itself (its security updates were not all fetched)" >&2
      return 0
    fi
    echo "apt: install failed (attempt $attempt of 3), again in $((attempt * 20)) s" >&2
    sleep $((attempt * 20))
  done
  echo "apt: could not install: $*" >&2
  return 1
}
