// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Reads a text left to right as if its blanks, tabs, carriage returns and line feeds were not
// there. Copying a reader saves its place.
class TextReader {
public:
    explicit TextReader(std::u16string_view text)
        : m_text(text)
    {
        skipBlanks();
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool at(char16_t c) const { return !atEnd() && m_text[m_pos] == c; }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_pos]; }
    bool atDigit() const { return peek() >= u'0' && peek() <= u'9'; }
    // Whether blanks stand just before the reader's place in the text.
    bool afterBlank() const { return m_pos > 0 && isBlank(m_text[m_pos - 1]); }

    void next()
    {
        ++m_pos;
        skipBlanks();
    }

    bool take(char16_t c)
    {
        if (!at(c))
            return false;
        next();
        return true;
    }

    // A prefix of several characters may have blanks between them too.
    bool take(std::u16string_view prefix)
    {
        if (prefix.empty())
            return false;
        TextReader probe = *this;
        for (char16_t c : prefix) {
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
        while (atDigit()) {
            out.push_back(char(m_text[m_pos]));
            next();
        }
        return out.size() - before;
    }

    // The same, for digits written together: a blank ends them.
    std::size_t takeAdjacentDigits(std::string& out)
    {
        const std::size_t before = out.size();
        while (atDigit()) {
            out.push_back(char(m_text[m_pos]));
            next();
            if (afterBlank())
                break;
        }
        return out.size() - before;
    }

private:
    static bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    std::u16string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace platform
