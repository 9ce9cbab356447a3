/*
 * The text engine's suites. The plug-in acquires them with every message and calls none of
 * their functions: every table is empty. HOST_ATE_SUITES(X) expands X(name, version) once
 * per suite, in the order the plug-in acquires them.
 */
#ifndef HOST_ATE_H
#define HOST_ATE_H

#define HOST_ATE_SUITE_COUNT 74

#define HOST_ATE_SUITES(X)                            \
    X("ATE ApplicationPaint Suite", 1)                \
    X("ATE ApplicationTextResources Suite", 1)        \
    X("ATE ArrayApplicationPaintRef Suite", 1)        \
    X("ATE ArrayBool Suite", 1)                       \
    X("ATE ArrayInteger Suite", 1)                    \
    X("ATE ArrayReal Suite", 1)                       \
    X("ATE ArrayLineCapType Suite", 1)                \
    X("ATE ArrayFigureStyle Suite", 1)                \
    X("ATE ArrayLineJoinType Suite", 1)               \
    X("ATE ArrayWariChuJustification Suite", 1)       \
    X("ATE ArrayStyleRunAlignment Suite", 1)          \
    X("ATE ArrayAutoKernType Suite", 1)               \
    X("ATE ArrayBaselineDirection Suite", 1)          \
    X("ATE ArrayLanguage Suite", 1)                   \
    X("ATE ArrayFontCapsOption Suite", 1)             \
    X("ATE ArrayFontBaselineOption Suite", 1)         \
    X("ATE ArrayFontOpenTypePositionOption Suite", 1) \
    X("ATE ArrayUnderlinePosition Suite", 1)          \
    X("ATE ArrayStrikethroughPosition Suite", 1)      \
    X("ATE ArrayParagraphJustification Suite", 1)     \
    X("ATE ArrayArrayReal Suite", 1)                  \
    X("ATE ArrayBurasagariType Suite", 1)             \
    X("ATE ArrayPreferredKinsokuOrder Suite", 1)      \
    X("ATE ArrayKinsokuRef Suite", 1)                 \
    X("ATE ArrayMojiKumiRef Suite", 1)                \
    X("ATE ArrayMojiKumiSetRef Suite", 1)             \
    X("ATE ArrayTabStopsRef Suite", 1)                \
    X("ATE ArrayLeadingType Suite", 1)                \
    X("ATE ArrayFontRef Suite", 1)                    \
    X("ATE ArrayGlyphID Suite", 1)                    \
    X("ATE ArrayRealPoint Suite", 1)                  \
    X("ATE ArrayRealMatrix Suite", 1)                 \
    X("ATE CharFeatures Suite", 101)                  \
    X("ATE CharInspector Suite", 101)                 \
    X("ATE CharStyle Suite", 101)                     \
    X("ATE CharStyles Suite", 1)                      \
    X("ATE CharStylesIterator Suite", 1)              \
    X("ATE CompFont Suite", 1)                        \
    X("ATE CompFontClass Suite", 1)                   \
    X("ATE CompFontClassSet Suite", 1)                \
    X("ATE CompFontComponent Suite", 1)               \
    X("ATE CompFontSet Suite", 1)                     \
    X("ATE DocumentTextResources Suite", 1)           \
    X("ATE Find Suite", 1)                            \
    X("ATE Font Suite", 1)                            \
    X("ATE Glyph Suite", 1)                           \
    X("ATE GlyphRun Suite", 1)                        \
    X("ATE GlyphRunsIterator Suite", 1)               \
    X("ATE Glyphs Suite", 1)                          \
    X("ATE GlyphsIterator Suite", 1)                  \
    X("ATE Kinsoku Suite", 1)                         \
    X("ATE KinsokuSet Suite", 1)                      \
    X("ATE MojiKumi Suite", 1)                        \
    X("ATE MojiKumiSet Suite", 1)                     \
    X("ATE ParaFeatures Suite", 101)                  \
    X("ATE Paragraph Suite", 1)                       \
    X("ATE ParagraphsIterator Suite", 1)              \
    X("ATE ParaInspector Suite", 101)                 \
    X("ATE ParaStyle Suite", 101)                     \
    X("ATE ParaStyles Suite", 1)                      \
    X("ATE ParaStylesIterator Suite", 1)              \
    X("ATE Spell Suite", 1)                           \
    X("ATE Stories Suite", 1)                         \
    X("ATE Story Suite", 101)                         \
    X("ATE TabStop Suite", 1)                         \
    X("ATE TabStops Suite", 1)                        \
    X("ATE TabStopsIterator Suite", 1)                \
    X("ATE TextRange Suite", 101)                     \
    X("ATE TextRanges Suite", 1)                      \
    X("ATE TextRangesIterator Suite", 1)              \
    X("ATE TextRunsIterator Suite", 1)                \
    X("ATE TextResources Suite", 1)                   \
    X("ATE VersionInfo Suite", 1)                     \
    X("ATE WordsIterator Suite", 1)

#endif
