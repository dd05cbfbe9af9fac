# Ninja builds run a target's moc step again only when a file it saw last
# time changes, so a Q_OBJECT class in a source file added later (and picked
# up by a folder's source glob) would never be moc'ed in an existing build
# folder. When a target's source list changed since the last configure, its
# moc step's stamp is removed so the next build runs that step again.
function(vq_autogen_rescan_new_sources dir)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  get_property(binary_dir DIRECTORY "${dir}" PROPERTY BINARY_DIR)
  foreach(target IN LISTS targets)
    get_target_property(automoc ${target} AUTOMOC)
    if(NOT automoc)
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    string(SHA256 digest "${sources}")
    set(key VQ_AUTOGEN_SOURCES_${target})
    if(DEFINED CACHE{${key}} AND NOT "$CACHE{${key}}" STREQUAL digest)
      file(REMOVE "${binary_dir}/${target}_autogen/timestamp")
    endif()
    set(${key} "${digest}" CACHE INTERNAL "Source list digest of ${target}")
  endforeach()
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    vq_autogen_rescan_new_sources("${subdir}")
  endforeach()
endfunction()
