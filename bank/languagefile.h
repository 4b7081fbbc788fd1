#pragma once

#include <QString>
#include <QStringList>

namespace bank {

// A reading buffer that several lines (and, in the test window, several
// files) are read through. A line that cannot be read leaves the buffer as it
// was, so the caption it feeds repeats the last text read: translators' files
// that are short or missing degrade the way the shipped program always did.
struct LineBuffer {
    QString text;
};

// Reads a text file line by line (question files, language files). A missing
// or unreadable file behaves like an empty one: every read fails and leaves
// its target unchanged.
class LineReader
{
public:
    LineReader() = default;
    explicit LineReader(const QString &path);

    bool exists() const { return found; }
    QString errorString() const { return error; }

    // Reads the next line into `target`. Returns false, leaving `target`
    // unchanged, when there is no further line.
    bool readLine(QString &target);
    bool readLine(LineBuffer &buffer) { return readLine(buffer.text); }
    bool atEnd() const { return next >= lines.size(); }

private:
    QStringList lines;
    qsizetype next = 0;
    bool found = false;
    QString error;
};

// Opens "idioma/<name>" under the program folder, names matched without
// regard to case.
LineReader openLanguageFile(const QString &programFolder, const QString &name);

} // namespace bank
