// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace gx508::test {

// Reads one JSON document into its leaves by path: `{"a":[{"b":1}]}` gives "a[0].b" → "1".
// Strings are stored without their quotes (escapes \" \\ and \uXXXX below 0x80 decoded),
// numbers, true, false and null as written. Nothing when the text is not exactly one JSON
// value followed by blanks.
class FlatJson {
  public:
    static std::optional<std::map<std::string, std::string>> Parse(std::string_view text) {
        FlatJson reader(text);
        if (!reader.value("") || !reader.atEnd()) {
            return std::nullopt;
        }
        return reader.m_leaves;
    }

  private:
    explicit FlatJson(std::string_view text) : m_text(text) {}

    void skipBlanks() {
        while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at]))) {
            ++m_at;
        }
    }
    bool atEnd() {
        skipBlanks();
        return m_at == m_text.size();
    }
    bool take(char c) {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    std::optional<std::string> string() {
        if (!take('"')) {
            return std::nullopt;
        }
        std::string result;
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            char c = m_text[m_at++];
            if (static_cast<unsigned char>(c) < 0x20) {
                return std::nullopt;
            }
            if (c == '\\') {
                if (m_at >= m_text.size()) {
                    return std::nullopt;
                }
                const char escaped = m_text[m_at++];
                if (escaped == 'u') {
                    if (m_at + 4 > m_text.size()) {
                        return std::nullopt;
                    }
                    const int code = std::stoi(std::string(m_text.substr(m_at, 4)), nullptr, 16);
                    m_at += 4;
                    if (code >= 0x80) {
                        return std::nullopt;
                    }
                    c = static_cast<char>(code);
                } else if (escaped == '"' || escaped == '\\' || escaped == '/') {
                    c = escaped;
                } else {
                    return std::nullopt;
                }
            }
            result += c;
        }
        if (m_at >= m_text.size()) {
            return std::nullopt;
        }
        ++m_at;
        return result;
    }

    bool scalar(const std::string& path) {
        skipBlanks();
        const std::size_t start = m_at;
        while (m_at < m_text.size() &&
               (std::isalnum(static_cast<unsigned char>(m_text[m_at])) || m_text[m_at] == '-' ||
                m_text[m_at] == '.' || m_text[m_at] == '+')) {
            ++m_at;
        }
        const std::string word(m_text.substr(start, m_at - start));
        const bool number =
            !word.empty() && (std::isdigit(static_cast<unsigned char>(word[0])) || word[0] == '-');
        if (!number && word != "true" && word != "false" && word != "null") {
            return false;
        }
        m_leaves[path] = word;
        return true;
    }

    bool value(const std::string& path) {
        skipBlanks();
        if (m_at >= m_text.size()) {
            return false;
        }
        if (m_text[m_at] == '"') {
            const auto text = string();
            if (!text) {
                return false;
            }
            m_leaves[path] = *text;
            return true;
        }
        if (take('{')) {
            if (take('}')) {
                return true;
            }
            do {
                const auto key = string();
                if (!key || !take(':') || !value(path.empty() ? *key : path + "." + *key)) {
                    return false;
                }
            } while (take(','));
            return take('}');
        }
        if (take('[')) {
            if (take(']')) {
                return true;
            }
            int index = 0;
            do {
                if (!value(path + "[" + std::to_string(index++) + "]")) {
                    return false;
                }
            } while (take(','));
            return take(']');
        }
        return scalar(path);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::map<std::string, std::string> m_leaves;
};

}  // namespace gx508::test
