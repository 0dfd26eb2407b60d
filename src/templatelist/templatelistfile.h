#pragma once

#include "templatelist/templateentries.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace pellax {

// A template list is 8-bit text with one entry per line. A line ends at CR (an
// LF right after it belongs to the same line end) or at a lone LF; byte 26 ends
// the text; a last line without a line end still counts. An empty text has no
// entries. Every other byte is part of an entry and survives a round trip.
QStringList parseTemplateList(QByteArrayView bytes);

// Whether a character cannot stand in an entry: CR and LF end its line and
// byte 26 the whole text, so a saved entry holding one reads back broken.
bool endsTemplateEntry(QChar c) noexcept;

// An entry as the list window's Add makes it: a double quote put in front and
// one at the end where the text does not already have them, so a text of one
// double quote stays as it is.
QString quotedEntry(QString text);

// Every entry followed by CR LF.
QByteArray serialiseTemplateList(const QStringList& entries);

// Paths are locations (filelocation.h): loose files or members of archives.
// Reads the whole file before returning, so a failure leaves the caller's list alone.
QStringList readTemplateList(const QString& path);
TemplateEntries readTemplateEntries(const QString& path);

// Replaces the file atomically: on failure it stays as it was.
void writeTemplateList(const QString& path, const QStringList& entries);

}  // namespace pellax
