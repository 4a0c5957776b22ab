#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    Every colour the skin paints with, each value defined here once and named
    for what it is. The look-and-feel classes, the shell and the pages take
    their colours from here; none of them holds a colour value of its own.
    Shades that only lighten or darken an entry a little are derived from it
    where they are drawn (brighter, darker, withAlpha).
*/
namespace zr9::skin::colours
{

// ------------------------------------------------------------ window and neutrals

/** The window behind the pages, the pages' and panels' background. */
const juce::Colour window { 0xff191919 };
/** The application bar's band, the boxes behind names, the progress track, the arrangement menus,
    the library window and the rims of the port lamps. */
const juce::Colour black { 0xff000000 };
/** Texts on a lit or chosen face, the texts of the arrangement menus. */
const juce::Colour white { 0xffffffff };
/** Nothing at all: an outline that is not drawn. */
const juce::Colour transparent { 0x00000000 };

// -------------------------------------------------------------------------- texts

/** The shell's texts: buttons, labels, the mixer's channel names, the editors' labels. */
const juce::Colour text { 0xffcccccc };
/** Texts of the pages' lists, fields, combo boxes and menus. */
const juce::Colour listText { 0xffdedede };
/** Captions, scale marks and texts that step back. */
const juce::Colour textDim { 0xff8c8c8c };
/** The favourites panel's title. */
const juce::Colour titleText { 0xffeeeeee };
/** The second line of the name in a name slot. */
const juce::Colour nameSecondLine { 0xffb0b0b0 };
/** Numbers on the lists and choosers. */
const juce::Colour number { 0xfff2c462 };
/** What went wrong, or what cannot be done. */
const juce::Colour warning { 0xffff7a5c };

// ------------------------------------------------------------------------- accent

/** The skin's red: lamps, headings, focus edges, the chosen button's frame. */
const juce::Colour accent { 0xffe0462e };
/** The chosen button's, row's or selection's face. */
const juce::Colour chosenFace { 0xff6a2a20 };
/** The chosen row of an editor's tables. */
const juce::Colour tableRowChosen { 0xff3a2a26 };
/** A lamp that is off. */
const juce::Colour lampOff { 0xff3a2420 };
/** A MIDI port's lamp when the port is open. */
const juce::Colour portLampOn { 0xff3ccf4e };
/** The MIDI monitor's incoming direction mark. */
const juce::Colour monitorIncoming { 0xff6fd48a };

// ------------------------------------------------------- faces and edges, dark to light

/** The deepest recess: the pages' text fields, the mixer's meter well. */
const juce::Colour well { 0xff0e0e0e };
/** Text entry of the value controls, the questions and the update-host panel. */
const juce::Colour entryFace { 0xff101010 };
/** Lists on the pages, scroll bar tracks. */
const juce::Colour listFace { 0xff121212 };
/** The even rows of the selectors' lists. */
const juce::Colour rowEven { 0xff181818 };
/** The dark half of a groove between the mixer strip's sections. */
const juce::Colour grooveDark { 0xff1c1c1c };
/** The unlit ring of a knob, a fader's slot, the odd rows of the selectors' lists. */
const juce::Colour track { 0xff1e1e1e };
/** The controls page, the keyboard panel, the write dialog's list. */
const juce::Colour panelFace { 0xff202020 };
/** The editors' sections, the version panel's box. */
const juce::Colour sectionFace { 0xff232323 };
/** The write dialog's box and the odd rows of its list. */
const juce::Colour dialogFace { 0xff262626 };
/** The name key pad's plate, the lines between the controls page's cells. */
const juce::Colour raisedFace { 0xff2a2a2a };
/** Buttons, combo boxes, menus and table headers. */
const juce::Colour buttonFace { 0xff2c2c2c };
/** The editors' section frames, a MIDI port's lamp when the port is closed. */
const juce::Colour sectionFrame { 0xff3a3a3a };
/** The lines between the mixer header's channels. */
const juce::Colour separator { 0xff444444 };
/** Edges of fields, lists, buttons and panels; the light half of a mixer groove. */
const juce::Colour edge { 0xff4a4a4a };
/** The write dialog's frame. */
const juce::Colour dialogFrame { 0xff555555 };
/** The library buttons' frame, the pages' scroll bar thumbs. */
const juce::Colour buttonEdge { 0xff5a5a5a };
/** The mixer page and its header. */
const juce::Colour mixerFace { 0xff5b5b5b };
/** A pressed name slot's inner frame, the question box's and update-host panel's outline. */
const juce::Colour outline { 0xff777777 };
/** The highlighted item of the arrangement menus. */
const juce::Colour menuHighlight { 0xff808080 };
/** The keyboard panel's grip lines. */
const juce::Colour grip { 0xff8a8a8a };
/** The keyboard panel's band: its top and bottom shade. */
const juce::Colour keyboardBandTop { 0xff3c3c3c };
const juce::Colour keyboardBandBottom { 0xff242424 };
/** The note names on the pad keys. */
const juce::Colour keyLabel { 0xff6a655c };
/** The value controls: knobs, faders and their texts. */
const juce::Colour control { 0xffdddddd };

// ---------------------------------------------------------------- LCDs and choosers

/** An effect-chain chooser's face. */
const juce::Colour chooserFace { 0xff13202a };
/** The frame of a chooser and of the write dialog's LCD. */
const juce::Colour lcdFrame { 0xff3d5566 };
/** A hovered chooser's frame, the value controls' focus rings and text selection. */
const juce::Colour focus { 0xff6f93ab };
/** The ring around the control that has the keyboard focus: bright, so it shows on every face. */
const juce::Colour focusRing { 0xffffc24a };
/** Captions of the choosers, the favourites' hint and the small texts of their LCDs. */
const juce::Colour lcdCaption { 0xff9db4c4 };
/** The write dialog's LCD: its glass, its lit and its dim pixels. */
const juce::Colour lcdGlass { 0xff0f2a33 };
const juce::Colour lcdPixels { 0xff9fe3ff };
const juce::Colour lcdPixelsDim { 0xff4f8799 };
/** A favourite's LCD: its glass, its edge and its name. */
const juce::Colour favouriteGlass { 0xb0182430 };
const juce::Colour favouriteEdge { 0xff2c3e4c };
const juce::Colour favouriteName { 0xffeef6fa };
/** A favourite button's face when lit and when not. */
const juce::Colour favouriteLit { 0xcc00ffff };
const juce::Colour favouriteUnlit { 0xcc000000 };

// ------------------------------------------------- the arrangement library's warm greys

/** The library manager's and its page's face. */
const juce::Colour libraryPage { 0xff373535 };
/** The library manager's title strip. */
const juce::Colour libraryTitleStrip { 0xff0a0a0a };
/** The library manager's frame. */
const juce::Colour libraryEdge { 0xff5a5858 };
/** The arrangement list's and preview's face. */
const juce::Colour libraryList { 0xff1c1b1b };
/** The line under each arrangement in the list. */
const juce::Colour libraryRowLine { 0xff2c2a2a };
/** The arrangement list's scroll bar: its track and thumb. */
const juce::Colour libraryTrack { 0xff242222 };
const juce::Colour libraryThumb { 0xff6e6a6a };
/** The preview's frame and row lines. */
const juce::Colour libraryFrame { 0xff4a4848 };
/** Texts of the library, its questions and the update-host panel: bright and dim. */
const juce::Colour libraryText { 0xffede9e9 };
const juce::Colour libraryTextDim { 0xff9a9494 };
/** The library page's notices. */
const juce::Colour libraryNotice { 0xffd8c9a0 };
/** A question's box. */
const juce::Colour questionFace { 0xff262424 };
/** An import's line whose object would replace one of the library's. */
const juce::Colour importReplacing { 0xff4a2418 };

// ------------------------------------------------------------------ veils and shades

/** Over the pages behind a question or the write dialog. */
const juce::Colour veil { 0xc0000000 };
/** Over the window behind the version panel. */
const juce::Colour versionVeil { 0xe0101010 };
/** Behind the import panel. */
const juce::Colour importShade { 0xee101010 };
/** The update-host panel's face, nearly opaque so its texts stay readable over whatever page
    lies behind it, and the shade over it from its top to its bottom. */
const juce::Colour hostPanelFace { 0xf0202020 };
const juce::Colour hostShadeTop { 0x55000000 };
const juce::Colour hostShadeBottom { 0x56000000 };

// --------------------------------------------------------------------------- wood

/** The wooden sides: the inner (lit) and outer edge, and the grain lines. */
const juce::Colour woodLight { 0xff6b4327 };
const juce::Colour woodDark { 0xff3a2314 };
const juce::Colour woodGrain { 0x18000000 };

} // namespace zr9::skin::colours
