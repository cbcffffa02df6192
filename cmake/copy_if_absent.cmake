# Copies SRC to DST unless DST exists: the data files beside the executable
# are the operator's own once the program has run (first names, castle list).
if(NOT EXISTS "${DST}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
