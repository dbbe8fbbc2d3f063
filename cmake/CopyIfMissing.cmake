# cmake -DSOURCE=a -DTARGET=b -P CopyIfMissing.cmake: copies only when b does not exist.
if(NOT EXISTS "${TARGET}")
    get_filename_component(folder "${TARGET}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
    message(STATUS "Created ${TARGET}")
endif()
