# The catalogue of generated pictures: how many of each kind the generator
# draws and the program shows. These variables are the one place the counts
# are written; art/CMakeLists.txt lists the generator's outputs from them,
# and the header catalogue.h (target tarnwell_catalogue) hands them to the
# generator, the galleries and the tests, where the design tables are
# checked against them when compiling.

# Delivered beside the program.
set(TARNWELL_LINK_BUTTONS 138)  # zqLink/Link0.gif .. Link137.gif
set(TARNWELL_BORDERS 60)        # Border/b0.gif .. b59.gif
set(TARNWELL_OPTION_PICTURES 4) # zqOptions/1.gif .. 4.gif
# pics/<set>/001.gif .. 041.gif, in the picker's order of grids.
set(TARNWELL_SMILEY_SETS happy psmilie crazy)
set(TARNWELL_SMILIES_PER_SET 41)
list(LENGTH TARNWELL_SMILEY_SETS TARNWELL_SMILEY_SET_COUNT)

# Window artwork compiled in as resources (:/art/<name>).
set(TARNWELL_SWATCHES 27)  # swatch0.png .. swatch26.png, the colour picker
set(TARNWELL_TOOL_ICONS 23) # tool1.png .. tool23.png, the editor's toolbar
set(TARNWELL_ART_RESOURCES
    tab_active.png tab_inactive.png
    tab0.png tab1.png tab2.png tab3.png tab4.gif tab5.gif tab6.png tab7.png
    picnote.png picexit.png
    icon16.png icon24.png icon32.png icon48.png
    title.png welcome.png smile_back.png smile_icon.png view_back.png
    option1_back.png options_back.png options_banner.png viewborder_back.png)
math(EXPR _last "${TARNWELL_SWATCHES} - 1")
foreach(i RANGE 0 ${_last})
    list(APPEND TARNWELL_ART_RESOURCES swatch${i}.png)
endforeach()
foreach(i RANGE 1 ${TARNWELL_TOOL_ICONS})
    list(APPEND TARNWELL_ART_RESOURCES tool${i}.png)
endforeach()

# The smiley sets as C++ initialisers: u"happy", u"psmilie", u"crazy".
list(JOIN TARNWELL_SMILEY_SETS "\", u\"" _sets)
set(TARNWELL_SMILEY_SET_NAMES "u\"${_sets}\"")
configure_file(${PROJECT_SOURCE_DIR}/base/catalogue.h.in
               ${PROJECT_BINARY_DIR}/generated/base/catalogue.h @ONLY)
add_library(tarnwell_catalogue INTERFACE)
target_include_directories(tarnwell_catalogue INTERFACE ${PROJECT_BINARY_DIR}/generated)
