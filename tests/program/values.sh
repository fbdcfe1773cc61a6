# Sourced by the program's end-to-end tests and its screenshots script, once `drive` (the
# end-to-end driver) is defined: the registry places they read and put back, and the stock
# Windows XP value they start from.
subsystems='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\SubSystems'
memory='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management'
product_key='HKCU\Software\Vexo\Vexo Ombrel'
settings="$product_key\\SaveData"
view="$settings\\MainWindow\\View"
stock_windows='%SystemRoot%\system32\csrss.exe ObjectDirectory=\Windows SharedSection=1024,3072,512 Windows=On SubSystemType=Windows ServerDll=basesrv,1 ServerDll=winsrv:UserServerDllInitialization,3 ServerDll=winsrv:ConServerDllInitialization,2 ProfileControl=Off MaxRequestThreads=16'

# The value as the driver prints it (type and bytes), or "absent".
value_of() {
  local out
  out=$(drive reg-get key="$1" name="$2" print=hex absent-ok=1)
  if [ "$out" = "value absent" ]; then
    echo absent
  else
    echo "$(drive reg-get key="$1" name="$2" print=type) $out"
  fi
}
put_value() {  # KEY NAME "TYPE HEX"|absent
  if [ "$3" = absent ]; then
    drive reg-delete key="$1" name="$2" >/dev/null 2>&1 || true
  else
    drive reg-set key="$1" name="$2" type="${3%% *}" hex="${3#* }" >/dev/null
  fi
}
