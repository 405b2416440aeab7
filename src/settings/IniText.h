#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QVariantMap>
#include <vector>

namespace rollkin {

// The settings file's text: Qt's INI format as QSettings writes it and as a person edits it,
// read and written in memory, so that no copy of what the file holds is made anywhere else.
struct IniText {
    // Every key, "Group/key" (a key before any section, or in [General], has no group): a
    // QString, or a QStringList where an unquoted value holds commas.
    QVariantMap values;
    // The numbers (from 1) of the lines that are none of a blank line, a comment, a [section]
    // or a key=value: passed over.
    std::vector<int> ignored;
    // The sections and keys read.
    int understood = 0;
    bool binary = false;  // a NUL byte

    // Text that is not INI at all: a NUL byte, or more lines passed over than understood.
    bool NotIni() const;
};

IniText ReadIni(QByteArrayView bytes);
// Text that ReadIni (and QSettings) reads back as `values`.
QByteArray WriteIni(const QVariantMap& values);

// A value as text: a list's items joined by ", ".
QString IniValueText(const QVariant& v);

}  // namespace rollkin
