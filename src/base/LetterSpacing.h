#pragma once

#include <QString>

// Some captions are set with their letters spaced apart for emphasis ("K U J D E S !",
// "P o   l a r g o h e m ! "): one blank between letters, three between words. A screen reader
// spells such a caption letter by letter, so it is named by its words instead ("KUJDES!",
// "Po largohem!"). Any other text comes back trimmed but otherwise as it was.
QString withoutLetterSpacing(const QString &text);
