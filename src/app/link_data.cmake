# Lays out the data folder beside the built game: every entry of the source data folder as a
# link (a plain link to the whole folder would also expose files the game never reads).
#   cmake -DSRC=<source data> -DDST=<data beside the game> -P link_data.cmake
if(IS_SYMLINK ${DST})
  file(REMOVE ${DST})
endif()
file(MAKE_DIRECTORY ${DST})
file(GLOB entries RELATIVE ${SRC} ${SRC}/*)
foreach(e ${entries})
  if(NOT EXISTS ${DST}/${e} OR IS_SYMLINK ${DST}/${e})
    file(CREATE_LINK ${SRC}/${e} ${DST}/${e} SYMBOLIC)
  endif()
endforeach()
