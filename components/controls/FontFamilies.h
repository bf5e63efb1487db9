#pragma once

#include <QStringList>

// The font families to ask Qt for when a description names Requested: Requested itself if the
// machine has it, then the Korean faces the machine has (NanumBarunGothic, NanumGothic, Noto Sans
// CJK KR, Malgun Gothic, Apple SD Gothic Neo), then the default sans-serif. Qt takes the first one
// present and falls back along the list for characters it lacks, so Korean text never shows as
// boxes.
//
// Names are compared in any language the font database speaks: under a Korean locale it lists
// NanumGothic as 나눔고딕, and the English name still finds it. When no installed face has
// Hangul at all, says once on standard error which package brings one.
QStringList FontFamilies(const QString& Requested);
