#pragma once

#include <QString>
#include <QStringList>

// Fills Arguments into Template in place of %1 to %9, in one pass as QString::arg does, and puts
// a Korean particle that Template writes right after a placeholder into the form the argument's
// sound asks for, where that sound can be known. A Korean text thus says "%1은(는) ..." and
// reads "'3번'은 ..." or "'12'는 ...". Understood: 은(는), 이(가), 을(를), 과(와), and the
// syllables that only follow a consonant, (이) as in (이)라는 and (으) as in (으)로 (which a
// final ㄹ also drops: 일로). Closing quotes and brackets between the placeholder and the
// particle are passed over.
//
// The sound is read off the argument's last character, closing quotes and brackets (and U+2069,
// the end of a text isolated for bidirectional display) left aside:
// a Hangul syllable by its final consonant, digits as the number is read (3 삼, 10 십, 2000 이천,
// 10조). Anything else (Latin letters, whose reading is a guess, symbols, nothing at all) keeps
// the particle as written, in both forms, as Korean software writes it where it cannot know.
QString ArgWithParticles(const QString& Template, const QStringList& Arguments);
