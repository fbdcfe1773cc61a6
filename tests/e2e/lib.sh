# Shared by the end-to-end scripts (sourced): the driver under Wine, the stand-in started in a
# registry area of the test's own, and cleanup on every path.
#   source lib.sh DRIVER.exe STANDIN.exe
set -Eeuo pipefail
# A step that fails where the script does not look at its status names itself.
trap 'e2e_status=$?; echo "FAIL: $(basename "$0") line $LINENO: $BASH_COMMAND (exit $e2e_status)" >&2' ERR
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
driver=$1
standin=${2:-}
wine_run="$e2e_root/scripts/wine-run.sh"
test_name=$(basename "$0" .sh)
# Concurrent tests must not share a key: the process id makes it this run's own.
area="HKCU\\Software\\VexoE2eTest.$test_name.$$"
heap_keys="$area\\SYSTEM\\CurrentControlSet\\Control\\Session Manager"
subsystems_key="$heap_keys\\SubSystems"
memory_key="$heap_keys\\Memory Management"
settings_key="$area\\Settings"
stock_windows='%SystemRoot%\system32\csrss.exe ObjectDirectory=\Windows SharedSection=1024,3072,512 Windows=On SubSystemType=Windows ServerDll=basesrv,1 ServerDll=winsrv:UserServerDllInitialization,3 ServerDll=winsrv:ConServerDllInitialization,2 ProfileControl=Off MaxRequestThreads=16'
work=$(mktemp -d)
standin_pid=

drive() { "$wine_run" "$driver" "$@"; }
# Steps from standard input, one process for all of them.
drive_steps() { "$wine_run" "$driver" run -; }

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A check that must not hold: the step exits 1 (not 0, not a usage error). Its output is kept
# in $failed_output for the caller to look at.
must_fail() {
  local rc=0
  failed_output=$(drive "$@" 2>&1) || rc=$?
  [ "$rc" = 1 ] || fail "expected exit 1 from '$*', got $rc: $failed_output"
}

cleanup() {
  local rc=$?
  if [ -n "$standin_pid" ]; then drive kill pid="$standin_pid" >/dev/null 2>&1 || true; fi
  drive reg-delete key="$area" >/dev/null 2>&1 || true
  rm -rf "$work"
  exit $rc
}
trap cleanup EXIT

# The stock Windows XP values in the test's area.
seed_stock() {
  drive reg-set key="$subsystems_key" name=Windows type=REG_EXPAND_SZ text="$stock_windows" >/dev/null
  drive reg-set key="$memory_key" name=SessionViewSize type=REG_DWORD number=48 >/dev/null
}

# Starts the stand-in on the test's area at a place of the screen given as X,Y.
start_standin() {
  local out
  out=$(drive start exe="$standin" \
    args="/root \"$area\" /settings \"$settings_key\" /pos $1 /title \"E2E $test_name\"")
  standin_pid=${out#pid=}
  [ -n "$standin_pid" ] || fail "no pid from: $out"
  drive wait-window pid="$standin_pid" timeout=30000 >/dev/null
}
