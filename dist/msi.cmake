# Makes d7aduzad-<version>-win64.msi beside the zip: run by CPack's External generator once
# it has installed the program into its staging folder (dist/CMakeLists.txt sets it up).
# The same sources make the same installer: its codes are derived from the version and the
# program's bytes, and its dates are SOURCE_DATE_EPOCH, or the last commit's time, for wixl
# would write the time it runs, a random package code and the program file's own time.
foreach(tool WIXL MSIBUILD FAKETIME)
    if(NOT CPACK_MSI_${tool})
        message(FATAL_ERROR "wixl, msibuild (package msitools) or faketime is missing: "
                            "sh tools/install-deps.sh installs them")
    endif()
endforeach()

set(program "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_PACKAGE_NAME}.exe")
set(msi "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi")
file(SHA256 "${program}" program_hash)
string(UUID product_code NAMESPACE ${CPACK_MSI_UPGRADE_CODE}
       NAME "product ${CPACK_PACKAGE_VERSION}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${CPACK_MSI_UPGRADE_CODE}
       NAME "package ${CPACK_PACKAGE_VERSION} ${program_hash}" TYPE SHA1 UPPER)

set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(epoch STREQUAL "")
    set(epoch ${CPACK_MSI_EPOCH})
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S" UTC)
execute_process(COMMAND touch --no-dereference --date=@${epoch} "${program}" COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE "${CPACK_MSI_ICON}" "${CPACK_TOPLEVEL_DIRECTORY}/program.ico")

# wixl takes file names relative to where it runs, and the program's time from the file.
file(RELATIVE_PATH staged "${CPACK_TOPLEVEL_DIRECTORY}" "${program}")
# faketime stops the clock at that time; newer ones would also shift the file times wixl reads
# by how far that is from now, unless told not to.
set(at_release_time ${CMAKE_COMMAND} -E env TZ=UTC NO_FAKE_STAT=1 ${CPACK_MSI_FAKETIME} "${when}")
execute_process(
    COMMAND ${at_release_time} ${CPACK_MSI_WIXL} --arch x64 --output "${msi}"
            -D Version=${CPACK_PACKAGE_VERSION} -D ProductCode=${product_code}
            -D PackageCode=${package_code} -D Program=${staged} -D Icon=program.ico
            "${CPACK_MSI_SOURCE}"
    WORKING_DIRECTORY "${CPACK_TOPLEVEL_DIRECTORY}"
    COMMAND_ERROR_IS_FATAL ANY)
# wixl leaves out the package code and the language from the summary: msibuild writes them.
execute_process(
    COMMAND ${at_release_time} ${CPACK_MSI_MSIBUILD} "${msi}" -s ${CPACK_PACKAGE_NAME}
            ${CPACK_PACKAGE_VENDOR} "x64;${CPACK_MSI_LANGUAGE}" "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
