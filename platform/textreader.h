// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QStringView>

#include <string>

namespace platform {

// Reads a text left to right as if its blanks, tabs, carriage returns and line feeds were not
// there. Copying a reader saves its place.
class TextReader {
public:
    explicit TextReader(QStringView text)
        : m_text(text)
    {
        skipBlanks();
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool at(QChar c) const { return !atEnd() && m_text[m_pos] == c; }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }

    void next()
    {
        ++m_pos;
        skipBlanks();
    }

    bool take(QChar c)
    {
        if (!at(c))
            return false;
        next();
        return true;
    }

    // A prefix of several characters may have blanks between them too.
    bool take(QStringView prefix)
    {
        if (prefix.isEmpty())
            return false;
        TextReader probe = *this;
        for (QChar c : prefix) {
            if (!probe.take(c))
                return false;
        }
        *this = probe;
        return true;
    }

    // Appends the ASCII digits that follow to `out`; returns how many there were.
    std::size_t takeDigits(std::string& out)
    {
        const std::size_t before = out.size();
        while (!atEnd() && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9') {
            out.push_back(char(m_text[m_pos].unicode()));
            next();
        }
        return out.size() - before;
    }

private:
    static bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace platform
