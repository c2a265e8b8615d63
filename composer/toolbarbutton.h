// The tag toolbar's buttons, numbered as the toolbar numbers them (1..14),
// separators included.
#pragma once

enum class ToolbarButton {
    Bold = 1,
    Italic,
    Underline,
    Separator1,
    AlignLeft,
    AlignCenter,
    AlignRight,
    Separator2,
    Picture,
    LinkedPicture,
    TextLink,
    Separator3,
    Separator4,
    BackToLastState,
};
