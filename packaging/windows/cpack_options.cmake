# Read by CPack for each generator: the installer is named for what it is.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
  # The installer keeps its folder under Software\<vendor>\Kalvenor; the
  # uninstaller would take that key away but leave the vendor's, empty.
  set(vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")
  set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
      "DeleteRegKey SHCTX \"${vendor_key}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\"
  DeleteRegKey /ifempty SHCTX \"${vendor_key}\"")
endif()
