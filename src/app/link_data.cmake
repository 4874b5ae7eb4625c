# Lays out the data folder beside the built game: every entry of the source data folder as a
# link, and the starter level set when the source has no level set yet.
#   cmake -DSRC=<source data> -DDST=<data beside the game> -DSTARTER=<starter levels folder> -P
file(MAKE_DIRECTORY ${DST})
file(GLOB entries RELATIVE ${SRC} ${SRC}/*)
foreach(e ${entries})
  if(NOT EXISTS ${DST}/${e} OR IS_SYMLINK ${DST}/${e})
    file(CREATE_LINK ${SRC}/${e} ${DST}/${e} SYMBOLIC)
  endif()
endforeach()
if(NOT EXISTS ${SRC}/levels)
  file(CREATE_LINK ${STARTER} ${DST}/levels SYMBOLIC)
endif()
