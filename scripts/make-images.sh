#!/usr/bin/env bash
# Regenerates the program's pictures (banners and icon) under resources/images/.
# The build embeds the committed files; run this only after changing the generator.
# Installs what the generator needs (run as root); quiet when everything is there.
set -euo pipefail

packages=(python3 python3-pil python3-numpy fonts-lato fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "make-images: installing ${missing[*]}"
  source "$(dirname "$0")/apt-lib.sh"
  apt_install "${missing[@]}"
fi

# Debian's own interpreter: the apt modules are not visible to other pythons on PATH.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exec /usr/bin/python3 "$here/resources/images/make-images.py" "$here/resources/images" "$@"
