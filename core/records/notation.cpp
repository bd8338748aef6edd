#include "core/records/notation.h"

namespace zelvan::records {

namespace {

constexpr int kLettersInAlphabet = 26;
constexpr int kLargestBoard = 30;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLetter(char c) {
    c = lower(c);
    return c >= 'a' && c <= 'z';
}

}  // namespace

std::string columnLetters(int col) {
    if (col < 1 || col > kLargestBoard) return {};
    if (col <= kLettersInAlphabet) return std::string(1, static_cast<char>('a' + col - 1));
    return std::string{'a', static_cast<char>('a' + col - kLettersInAlphabet - 1)};
}

std::string cellName(int col, int row, int boardSize) {
    if (col < 1 || col > boardSize || row < 1 || row > boardSize) return {};
    return columnLetters(col) + std::to_string(boardSize - row + 1);
}

std::optional<CellName> parseCellName(std::string_view text, int boardSize) {
    std::size_t letters = 0;
    while (letters < text.size() && isLetter(text[letters]))
        ++letters;
    const std::string_view digits = text.substr(letters);
    if (letters == 0 || letters > 2 || digits.empty() || digits.size() > 2 || digits[0] == '0')
        return std::nullopt;
    int col = lower(text[0]) - 'a' + 1;
    if (letters == 2) {
        if (lower(text[0]) != 'a') return std::nullopt;  // only aa..ad follow z
        col = kLettersInAlphabet + lower(text[1]) - 'a' + 1;
    }
    int fromBottom = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        fromBottom = fromBottom * 10 + (c - '0');
    }
    if (col > boardSize || fromBottom > boardSize) return std::nullopt;
    return CellName{col, boardSize - fromBottom + 1};
}

}  // namespace zelvan::records
