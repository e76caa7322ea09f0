#include "cli/analysis/BookCommand.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include "cli/analysis/AnalyseCommand.h"
#include "cli/json/JsonNumber.h"
#include "cli/json/JsonString.h"
#include "engine/BitBoard.h"
#include "engine/BoardText.h"
#include "engine/book/OpeningBook.h"
#include "game/records/RecordReader.h"

namespace flipstone::cli {

namespace {

std::optional<std::vector<std::vector<int>>> ReadLines(const std::string& path, std::ostream& err) {
    std::vector<std::vector<int>> lines;
    if (path.empty()) {
        return lines;
    }
    std::ifstream in(path);
    if (!in) {
        err << "flipstone-cli: cannot read the games file " << path << "\n";
        return std::nullopt;
    }
    int number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        if (text.empty() || text[0] == '#') {
            continue;
        }
        const RecordReading reading = ReadGameRecord(text);
        if (!reading.record || !reading.record->StartsAtTheStandardPosition()) {
            err << "flipstone-cli: " << path << " line " << number << ": "
                << (reading.record ? "the game does not start at the start position"
                                   : reading.error.message)
                << "\n";
            return std::nullopt;
        }
        std::vector<int> moves;
        for (const Square move : reading.record->moves) {
            moves.push_back(BitBoard::BitOf(move.column, move.row));
        }
        lines.push_back(std::move(moves));
    }
    return lines;
}

int Extend(const BookRequest& request, std::ostream& out, std::ostream& err) {
    const auto begin = std::chrono::steady_clock::now();
    std::optional<book::OpeningBook> book = book::OpeningBook::Load(request.file);
    if (!book) {
        if (std::ifstream(request.file)) {
            err << "flipstone-cli: " << request.file << " is not a Flipstone book\n";
            return 1;
        }
        book = book::OpeningBook();
    }
    const std::optional<std::vector<std::vector<int>>> lines = ReadLines(request.linesFile, err);
    if (!lines) {
        return 1;
    }
    book::BookExtension extension = request.extension;
    extension.lines = *lines;
    extension.checkpoint = request.file;
    const std::size_t before = book->Size();
    book::BookMaker maker(*book, extension, err);
    const book::OpeningBook extended = maker.Extend();
    if (!extended.Save(request.file)) {
        err << "flipstone-cli: cannot write the book " << request.file << "\n";
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    out << "{\"book\":" << JsonString(request.file) << ",\"positions_before\":" << before
        << ",\"positions\":" << extended.Size() << ",\"threads\":" << maker.Threads()
        << ",\"seconds\":" << FixedDecimals(seconds, 1) << "}" << std::endl;
    return 0;
}

}  // namespace

int RunBook(const BookRequest& request, std::ostream& out, std::ostream& err) {
    if (request.extend) {
        return Extend(request, out, err);
    }
    std::optional<book::OpeningBook> loaded;
    if (!request.file.empty()) {
        loaded = book::OpeningBook::Load(request.file);
        if (!loaded) {
            err << "flipstone-cli: " << request.file << " is not a Flipstone book\n";
            return 1;
        }
    }
    const book::OpeningBook& book = loaded ? *loaded : book::OpeningBook::BuiltIn();
    const Position& position = request.position;
    std::ostringstream line;
    line << "{\"positions\":" << book.Size();
    if (position.IsOver()) {
        line << ",\"in_book\":false}";
        out << line.str() << "\n";
        return 0;
    }
    const BitBoard bits = BitBoard::FromBoard(position.GetBoard());
    const strong::Bits mover = bits.Discs(position.ToMove());
    const strong::Bits other = bits.Discs(Opponent(position.ToMove()));
    const book::BookEntry* entry = book.Find(mover, other);
    line << ",\"in_book\":" << (entry != nullptr ? "true" : "false");
    if (entry != nullptr) {
        line << ",\"value\":" << static_cast<int>(entry->value)
             << ",\"depth\":" << static_cast<int>(entry->depth);
    }
    if (const auto values = book.MoveValues(mover, other)) {
        line << ",\"moves\":" << MoveValuesJson(*values);
    }
    out << line.str() << "}\n";
    return 0;
}

}  // namespace flipstone::cli
