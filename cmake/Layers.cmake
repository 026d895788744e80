# The library folders are layers: support <- geodesy <- core <- engine <- map
# <- cli, ui. Each is a static library whose headers are reachable, as
# "<folder>/<name>.h", only from its own sources and from the targets that
# link it: every layer gets an include root of its own in the build tree
# holding just a link to its folder. An include that runs upward finds no
# file and fails to build.

# Makes `target` the layer of `folder` (relative to the project root).
function(koord_layer target folder)
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
  koord_warnings(${target})
endfunction()
