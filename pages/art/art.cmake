# Builds the page images from the SVG sources beside this file.
# Sets TAVELO_ART_OUTPUTS to the generated files ${CMAKE_CURRENT_BINARY_DIR}/art/<TYPE>/<id>.png;
# each SVG states its own pixel size, so the pictures come out at exactly that size.

find_program(TAVELO_RSVG_CONVERT rsvg-convert REQUIRED)

set(_tavelo_art_dir ${CMAKE_CURRENT_LIST_DIR})
file(GLOB _tavelo_art_sources CONFIGURE_DEPENDS ${_tavelo_art_dir}/PNG-*.svg ${_tavelo_art_dir}/GIF-*.svg)

set(TAVELO_ART_OUTPUTS "")
foreach(_src IN LISTS _tavelo_art_sources)
    get_filename_component(_name ${_src} NAME_WE)
    string(REGEX MATCH "^([A-Z]+)-([0-9]+)$" _match ${_name})
    set(_type ${CMAKE_MATCH_1})
    set(_id ${CMAKE_MATCH_2})
    set(_out ${CMAKE_CURRENT_BINARY_DIR}/art/${_type}/${_id}.png)
    add_custom_command(
        OUTPUT ${_out}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/art/${_type}
        COMMAND ${TAVELO_RSVG_CONVERT} --format=png --output=${_out} ${_src}
        DEPENDS ${_src}
        COMMENT "Drawing ${_type} ${_id}"
        VERBATIM)
    list(APPEND TAVELO_ART_OUTPUTS ${_out})
endforeach()
