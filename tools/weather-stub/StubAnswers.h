#pragma once

#include <QByteArray>
#include <QString>

// What the stub answers: complete HTTP responses for each mode, built from the request.
namespace StubAnswers {

enum class Mode {
    Ok,      // the city's sample document
    String,  // the same document with "weatherinfo" as a string
    Empty,   // "weatherinfo" empty: nothing to show
    Partial, // "temp2" missing
    Garbage, // not JSON
    NotUtf8, // the city's name in GBK
    Big,     // a 10 MiB body
    Status500,
    Redirect, // 302 to another path
    Hang,     // takes the request and never answers
    Close,    // closes the connection without answering
};

// Parses a --mode value; false for an unknown name.
bool ParseMode(const QString &name, Mode &mode);
QString ModeNames();

// The city code of a request target, or nothing when the target is not the weather path.
bool CityCode(const QByteArray &target, QByteArray &cityCode);

// The weather document for a city code: a few known cities, Chengdu for any other code.
QByteArray SampleDocument(const QByteArray &cityCode, bool asString);

// The full response for a mode (not for Hang and Close, which send nothing); `document`
// replaces the sample when it is not empty.
QByteArray Response(Mode mode, const QByteArray &target, const QByteArray &document);

} // namespace StubAnswers
