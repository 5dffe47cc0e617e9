# Writes the uninstaller's list for the installer (cmake -DSTAGE=folder -DOUT=file.nsh -P this):
# one Delete per file the installer puts down, then one RMDir per folder, deepest first, so that
# uninstalling removes exactly what was installed.
file(GLOB_RECURSE files RELATIVE ${STAGE} LIST_DIRECTORIES false ${STAGE}/*)
file(GLOB_RECURSE folders RELATIVE ${STAGE} LIST_DIRECTORIES true ${STAGE}/*)
list(SORT files)
set(text "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND text "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
list(REMOVE_ITEM folders ${files})
list(SORT folders ORDER DESCENDING)  # a folder sorts before what it holds
foreach(folder IN LISTS folders)
  string(REPLACE "/" "\\" folder "${folder}")
  string(APPEND text "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${OUT} "${text}")
