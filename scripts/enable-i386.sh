#!/usr/bin/env bash
# Makes 32-bit Linux programs (the 32-bit Wine loader) runnable. Some virtual machines of our
# kind boot kernels that refuse 32-bit code ("Exec format error"); there qemu's user-mode
# emulator is registered for i386 ELF files, so Wine runs, slowly but correctly.
set -euo pipefail

probe=/usr/lib/wine/wine
[ -x "$probe" ] || { echo "enable-i386: $probe missing (run setup.sh first)"; exit 1; }
if "$probe" --version >/dev/null 2>&1; then
  exit 0
fi

if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
fi
if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  # i386 ELF executables and shared objects; F keeps the interpreter open for every namespace.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    > /proc/sys/fs/binfmt_misc/register
fi
if ! "$probe" --version >/dev/null 2>&1; then
  echo "enable-i386: 32-bit programs still do not run; Windows tests cannot run here"
  exit 1
fi
echo "enable-i386: 32-bit programs run through qemu-i386 on this kernel"
