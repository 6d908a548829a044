# Run by cpack for each package after the files are laid out: the portable
# archive carries the licence's whole text beside the programs, since no
# system copy is at hand where it is unpacked; the Debian package points at
# Debian's own copy from its copyright file, as Debian asks.
if(CPACK_GENERATOR STREQUAL "TGZ")
  foreach(directory IN LISTS CPACK_TEMPORARY_INSTALL_DIRECTORY)
    file(COPY "${CPACK_KORVANDA_LICENSE}" DESTINATION "${directory}/share/doc/korvanda")
  endforeach()
endif()
