# Builds the .deb afresh into DEB_DIR: cmake -DCPACK=... -DBUILD_DIR=... -DDEB_DIR=... -P BuildDeb.cmake
file(REMOVE_RECURSE ${DEB_DIR})
execute_process(COMMAND ${CPACK} -G DEB -B ${DEB_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "cpack -G DEB failed (${_status})")
endif()
