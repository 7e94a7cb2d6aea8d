# vornet_embed_xrc(target function_name files...): compiles XRC dialog templates into C++ with
# wxrc, so nothing is looked up at run time. Call function_name() once before loading them.
find_program(VORNET_WXRC wxrc REQUIRED)
function(vornet_embed_xrc target function_name)
  set(sources)
  foreach(file ${ARGN})
    list(APPEND sources ${CMAKE_CURRENT_SOURCE_DIR}/${file})
  endforeach()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${function_name}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${VORNET_WXRC} --cpp-code --function=${function_name} -o ${output} ${sources}
    DEPENDS ${sources}
    COMMENT "Embedding dialog templates for ${target}")
  target_sources(${target} PRIVATE ${output})
endfunction()
