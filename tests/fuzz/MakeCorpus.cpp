// Writes the seed corpus of the fuzz targets: real messages the instrument and
// the editor exchange, pieces of the factory banks, settings files, arrangement
// states and list files, and value texts, each laid out the way its target
// reads its input. Everything comes from the model's own message builders and
// from the factory bank builders, so the seeds follow the formats as this
// program writes them. The output is the same on every run.
//
// Usage: fuzz_make_corpus DIRECTORY   (writes DIRECTORY/<target>/<name>)

#include "ArrangementBuilder.h"
#include "FxChainBuilder.h"
#include "KeyMapBuilder.h"
#include "PatternBuilders.h"
#include "ArpBuilder.h"
#include "BankWriter.h"
#include "FactoryFacts.h"
#include "ProgramBuilder.h"
#include "SetupBuilder.h"

#include "model/ArrangementRecord.h"
#include "model/ArrangementState.h"
#include "model/ArrangementListFile.h"
#include "model/BankFileFormat.h"
#include "model/LibraryEntry.h"
#include "model/PartMessages.h"
#include "model/ProgramLayout.h"
#include "model/SettingsList.h"
#include "model/SysexFile.h"
#include "model/SetupLayout.h"
#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"
#include "model/TransferTypes.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace zr9;
using namespace zr9::factory;
namespace fs = std::filesystem;

namespace
{
/** Inputs longer than this are cut by the fuzzer (run.sh passes it as -max_len). */
constexpr std::size_t maxSeed = 4096;

std::string outRoot;
int written = 0;
std::size_t writtenBytes = 0;

void write (const std::string& target, const std::string& name, const Bytes& bytes)
{
    if (bytes.size() > maxSeed)
        throw std::runtime_error (target + "/" + name + " is longer than the fuzzer reads");
    const auto dir = fs::path (outRoot) / target;
    fs::create_directories (dir);
    std::ofstream out (dir / name, std::ios::binary | std::ios::trunc);
    out.write (reinterpret_cast<const char*> (bytes.data()), (std::streamsize) bytes.size());
    if (! out.good())
        throw std::runtime_error ("cannot write " + (dir / name).string());
    ++written;
    writtenBytes += bytes.size();
}

Bytes join (const std::vector<Bytes>& parts)
{
    Bytes out;
    for (const auto& p : parts)
        out.insert (out.end(), p.begin(), p.end());
    return out;
}

// ------------------------------------------------------------- the factory data

struct Factory
{
    std::map<int, BankContent> banks;
    Bytes arrangements;
};

Factory buildFactory()
{
    Factory f;
    const auto keyMaps = buildKeyMaps (recordBytesTotal (factsFor (typeKeyMap)));
    const auto fxChains = buildFxChains (recordBytesTotal (factsFor (typeFxChain)));
    f.banks[typeKeyMap] = keyMaps.bank;
    f.banks[typeFxChain] = fxChains.bank;
    f.banks[typeProgram] = buildPrograms (recordBytesTotal (factsFor (typeProgram)), keyMaps, fxChains);
    f.banks[typeSetup] = buildSetups (recordBytesTotal (factsFor (typeSetup)), 256);
    f.banks[typeIntonation] = buildIntonationTables();
    f.banks[typeShiftPattern] = buildShiftPatterns (recordBytesTotal (factsFor (typeShiftPattern)));
    f.banks[typeVelocityPattern] = buildVelocityPatterns (recordBytesTotal (factsFor (typeVelocityPattern)));
    f.banks[typeArpeggiator] = buildArpeggiators (recordBytesTotal (factsFor (typeArpeggiator)),
                                                  factoryShiftPatterns, factoryVelocityPatterns);
    f.arrangements = buildArrangementBank();
    return f;
}

/** The `count` smallest records of a bank that are longer than a bare name and at most `limit` bytes, by number. */
std::vector<std::pair<int, Bytes>> smallRecords (const BankContent& bank, int count, std::size_t limit)
{
    std::vector<std::pair<int, Bytes>> found;
    for (const auto& [number, record] : bank.records)
        if (record.size() > 20 && record.size() <= limit)
            found.emplace_back (number, record);
    std::stable_sort (found.begin(), found.end(), [] (const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    if ((int) found.size() > count)
        found.resize ((size_t) count);
    return found;
}

/** Programs with 0, 1, 2 and 3 layers, the first of each by number that is at most `limit` bytes. */
std::vector<std::pair<int, Bytes>> programsByLayers (const BankContent& bank, std::size_t limit)
{
    std::vector<std::pair<int, Bytes>> found;
    for (int layers = 0; layers <= 3; ++layers)
        for (const auto& [number, record] : bank.records)
            if (record.size() > 20 && record.size() <= limit && program::layerCount (ByteView (record)) == layers)
            {
                found.emplace_back (number, record);
                break;
            }
    return found;
}

Bytes arrangementRecord (const Factory& f, int slot)
{
    const auto at = f.arrangements.begin() + (long) slot * arrangement::recordSize;
    return Bytes (at, at + arrangement::recordSize);
}

// ------------------------------------------------- messages of the instrument

/** The identity reply of the instrument, as it answers the identity request. */
Bytes identityReply (int family, int member)
{
    return { sysex::start, 0x7E, 0x00, 0x06, 0x02, sysex::manufacturerId, (std::uint8_t) family, 0x00,
             (std::uint8_t) member, 0x00, 0x01, 0x00, 0x00, 0x00, sysex::end };
}

Bytes informationReply (int typeId, int number, int size, const std::string& name)
{
    auto m = sysex::frame (0, sysex::commandTransfer, { 5, 0 });
    sysex::appendNumber14Lo (m, typeId);
    sysex::appendNumber14Lo (m, number);
    sysex::appendNumber21Lo (m, size);
    m.push_back (0);
    for (std::size_t i = 0; i < 20; ++i)
        m.push_back ((std::uint8_t) (i < name.size() ? name[i] : ' '));
    m.push_back (sysex::end);
    return m;
}

/** A chunk of an object: its packed bytes, then two bytes the editor does not examine, then 0xF7. */
Bytes dataReply (int typeId, int number, int offset, const std::uint8_t* data, std::size_t size)
{
    auto m = sysex::frame (0, sysex::commandTransfer, { 1, 0 });
    sysex::appendNumber14Lo (m, typeId);
    sysex::appendNumber14Lo (m, number);
    sysex::appendNumber21Lo (m, offset);
    sysex::appendNumber21Lo (m, (int) size);
    sysex::pack (data, size, m);
    m.pop_back();
    sysex::append (m, { 0, 0, sysex::end });
    return m;
}

Bytes refusalReply (int reason)
{
    return sysex::frame (0, sysex::commandTransfer, { 3, (std::uint8_t) reason, sysex::end });
}

Bytes acknowledgement()
{
    return sysex::frame (0, sysex::commandTransfer, { 2, 0, sysex::end });
}

/** The record's name, bytes 0 to 19. */
std::string recordName (const Bytes& record)
{
    return std::string (record.begin(), record.begin() + (long) std::min<std::size_t> (20, record.size()));
}

// --------------------------------------------------------------- the targets


// A bank merge input: the type's place in the merge target's list, the cap,
// two cut points at a third and two thirds, a slot size, then the same bank
// three times (base, this side, the other side), this side with one byte changed.
void bankMergeSeed (int type, int cap, const Bytes& image)
{
    static const int mergeTypes[] = { 138, 155, 156, 133, 103, 163, 164, 168, 112, 149, 158, 151 };
    const auto place = std::find (std::begin (mergeTypes), std::end (mergeTypes), type);
    if (place == std::end (mergeTypes) || 3 * image.size() + 5 > maxSeed)
        return;
    Bytes input { (std::uint8_t) (place - std::begin (mergeTypes)), (std::uint8_t) cap, 85, 127, 24 };
    Bytes mine = image;
    mine[mine.size() / 2] ^= 0x01;
    for (const Bytes* part : { &image, static_cast<const Bytes*> (&mine), &image })
        input.insert (input.end(), part->begin(), part->end());
    write ("fuzz_bank_merge", "merge_" + std::to_string (type) + "_" + std::to_string (cap), input);
}

// An object file: the first byte picks the name's extension (0 ".zr9bank",
// 1 ".syx", 2 ".dat"), then the file: a few small records of each type as an
// exported bank file, programs also as an exported ".syx" file, and a bank
// file under the ".syx" name, which the reader must tell by its content.
void objectFiles (const Factory& f)
{
    const int types[] = { typeProgram, typeSetup, typeFxChain, typeKeyMap, typeIntonation, typeShiftPattern,
                          typeVelocityPattern, typeArpeggiator };
    for (const int type : types)
    {
        const auto found = smallRecords (f.banks.at (type), 3, (maxSeed - 200) / 3);
        std::vector<bankfile::Entry> entries;
        for (const auto& [number, record] : found)
            entries.push_back ({ number, ByteView (record) });
        Bytes input { 0 };
        const auto file = bankfile::write (type, entries);
        input.insert (input.end(), file.begin(), file.end());
        if (input.size() <= maxSeed)
        {
            write ("fuzz_object_files", "bank_" + std::to_string (type), input);
            input[0] = 1;
            write ("fuzz_object_files", "bank_as_syx_" + std::to_string (type), input);
        }
    }
    const auto programs = smallRecords (f.banks.at (typeProgram), 2, (maxSeed - 400) / 4);
    std::vector<syxfile::Program> sent;
    for (const auto& [number, record] : programs)
        sent.push_back ({ number, ByteView (record) });
    Bytes input { 1 };
    const auto file = syxfile::write (sent);
    input.insert (input.end(), file.begin(), file.end());
    if (input.size() <= maxSeed)
        write ("fuzz_object_files", "programs_syx", input);
}

void bankIndex (const Factory& f)
{
    // The target reads: type (index into its list), cap, store number, stored record length, then the bank.
    const int types[] = { typeProgram, typeSetup, typeFxChain, typeKeyMap, typeIntonation, typeShiftPattern,
                          typeVelocityPattern, typeArpeggiator };
    for (int t = 0; t < 8; ++t)
    {
        const auto& bank = f.banks.at (types[t]);
        for (int count : { 1, 3 })
        {
            BankContent small;
            small.typeId = bank.typeId;
            int number = 0;
            for (const auto& [n, record] : smallRecords (bank, count, (maxSeed - 100) / (size_t) count))
                small.records[++number] = record;
            small.lastNumber = number + 1; // and one empty slot behind them
            const auto image = writeBank (small);
            if (image.size() + 4 > maxSeed)
                continue;
            Bytes input { (std::uint8_t) t, (std::uint8_t) (number + 1), (std::uint8_t) (count == 1 ? 1 : 2),
                          (std::uint8_t) (40 + 20 * count) };
            input.insert (input.end(), image.begin(), image.end());
            write ("fuzz_bank_index", "bank_" + std::to_string (types[t]) + "_" + std::to_string (number), input);
            bankMergeSeed (types[t], number + 1, image);
        }
    }
}

void settings()
{
    auto entries = SettingsList::defaults();
    const auto asBytes = [] (const std::string& s) { return Bytes (s.begin(), s.end()); };
    write ("fuzz_settings", "defaults", asBytes (SettingsList::serialise (entries)));
    SettingsList::applyStartupDefaults (entries);
    write ("fuzz_settings", "after_startup", asBytes (SettingsList::serialise (entries)));
    entries[(size_t) Setting::inputPort] = "2";
    entries[(size_t) Setting::outputPort] = "-1";
    entries[(size_t) Setting::width] = "1280";
    entries[(size_t) Setting::height] = "800";
    entries[(size_t) Setting::midiChannel] = "16";
    const auto edited = SettingsList::serialise (entries);
    write ("fuzz_settings", "edited", asBytes (edited));
    write ("fuzz_settings", "cut", asBytes (edited.substr (0, edited.size() / 2)));
    write ("fuzz_settings", "three_entries", asBytes (SettingsList::serialise ({ "1", "0", "x" })));
}

void valueText()
{
    // Pairs of little-endian 32-bit (value, display type), eight bytes each.
    const auto pairs = [] (const std::vector<int>& displayTypes) {
        Bytes out;
        for (const int type : displayTypes)
            for (const int value : { 0, 1, 64, 127, -1, 200 })
            {
                std::uint8_t b[8];
                std::memcpy (b, &value, 4);
                std::memcpy (b + 4, &type, 4);
                out.insert (out.end(), b, b + 8);
            }
        return out;
    };
    write ("fuzz_value_text", "plain", pairs ({ 0, 21, 22, 23, 24 }));
    write ("fuzz_value_text", "plain_2", pairs ({ 25, 26, 27, 28, 29 }));
    write ("fuzz_value_text", "scales", pairs ({ 103, 104, 105, 106, 107 }));
    write ("fuzz_value_text", "scales_2", pairs ({ 108, 109, 112, 117, 118 }));
    write ("fuzz_value_text", "tables_200", pairs ({ 200, 201, 204, 206, 207 }));
    write ("fuzz_value_text", "tables_240", pairs ({ 220, 241, 249, 254, 256 }));
    write ("fuzz_value_text", "tables_300", pairs ({ 303, 317, 327, 336, 344 }));
    write ("fuzz_value_text", "tables_350", pairs ({ 352, 355, 363, 375, 385 }));
    write ("fuzz_value_text", "tables_500", pairs ({ 400, 500, 502, 511, 519 }));
    write ("fuzz_value_text", "tables_700", pairs ({ 744, 777, 778, 782, 784 }));
    write ("fuzz_value_text", "names", pairs ({ 2100, 2102, 2200, 2800 }));
}

/** The messages of one exchange: the requests the editor sends and the replies of the instrument. */
struct Exchanges
{
    std::map<std::string, std::vector<Bytes>> byName;
};

Exchanges exchanges (const Factory& f)
{
    Exchanges e;
    const auto program = programsByLayers (f.banks.at (typeProgram), 2600).at (1);
    const auto& record = program.second;
    const ByteView view (record);

    e.byName["identity"] = { sysex::identityRequest(), identityReply (sysex::familyCode, sysex::memberCode) };
    e.byName["identity_other_member"] = { sysex::identityRequest(), identityReply (sysex::familyCode, 1) };

    // A program fetched as the bulk receive fetches it: information, then its bytes in chunks of at most 2048.
    std::vector<Bytes> fetch { sysex::objectInfoRequest (0, typeProgram, program.first),
                               informationReply (typeProgram, program.first, (int) record.size(), recordName (record)) };
    for (int offset = 0; offset < (int) record.size(); offset += transfer::chunkLimit)
    {
        const int length = std::min (transfer::chunkLimit, (int) record.size() - offset);
        fetch.push_back (sysex::objectDataRequest (0, typeProgram, program.first, offset, length));
        fetch.push_back (dataReply (typeProgram, program.first, offset, record.data() + offset, (std::size_t) length));
    }
    e.byName["fetch_program"] = fetch;
    e.byName["fetch_refused"] = { sysex::objectInfoRequest (0, typeSetup, 200), refusalReply (4) };
    e.byName["fetch_chunk_refused"] = { informationReply (typeFxChain, 3, 400, "Chain"), refusalReply (7), acknowledgement() };

    // The parts of a program as the instrument sends them for slot 0.
    std::vector<Bytes> parts { sysex::programCommonPart (0, 0, view), sysex::programFurtherPart (0, 0, view) };
    for (int k = 0; k < std::min (program::layerCount (view), 2); ++k)
        parts.push_back (sysex::programLayerPart (0, 0, k, view));
    parts.push_back (sysex::programInfoPart (0, 0, view));
    e.byName["program_parts"] = parts;

    // The controller-address messages and the short commands.
    e.byName["controller"] = { sysex::valueMessage (0, 64), sysex::channelProgram (0, 3, 17), sysex::channelSelect (0, 2),
                               sysex::shortCommand (0, sysex::commandGlobalPart, 0, 0, 3, 0),
                               sysex::storeWithName (0, sysex::commandProgramPart, 12, 0, "Seed Program") };
    return e;
}

/** Splits a stream into the pieces the assembler target reads: a length byte, then that many bytes; 0 flushes. */
Bytes pieces (const Bytes& stream, std::size_t pieceSize, bool flushAtEnd)
{
    Bytes out;
    for (std::size_t at = 0; at < stream.size(); at += pieceSize)
    {
        const auto n = std::min (pieceSize, stream.size() - at);
        out.push_back ((std::uint8_t) n);
        out.insert (out.end(), stream.begin() + (long) at, stream.begin() + (long) (at + n));
    }
    if (flushAtEnd)
        out.push_back (0);
    return out;
}

void sysexRoute (const Exchanges& e)
{
    for (const auto& [name, messages] : e.byName)
    {
        const auto stream = join (messages);
        if (stream.size() + stream.size() / 200 + 2 > maxSeed)
            continue;
        write ("fuzz_sysex_route", name + "_whole", pieces (stream, 255, false));
        write ("fuzz_sysex_route", name + "_cut", pieces (stream, 7, true));
    }
    // A message cut off by a flush, then a whole one.
    auto cut = e.byName.at ("identity")[1];
    cut.pop_back();
    write ("fuzz_sysex_route", "flushed_partial", join ({ pieces (cut, 255, true), pieces (e.byName.at ("identity")[1], 255, false) }));
}


/** Recorded traffic for the monitor's decoder: each message as a flags byte
    (direction, then 10 ms since the one before), a length byte and its bytes. */
void monitorTraffic (const Exchanges& e)
{
    const Bytes channelMessages[] = { { 0x90, 60, 100 }, { 0x80, 60, 0 }, { 0xB2, 10, 20 }, { 0xC3, 5 }, { 0xE0, 0x00, 0x40 } };
    for (const auto& [name, messages] : e.byName)
    {
        Bytes traffic;
        bool out = true;
        for (const auto& message : messages)
        {
            if (message.size() > 255)
                continue;
            traffic.push_back ((std::uint8_t) ((out ? 1 : 0) | (1 << 2)));
            traffic.push_back ((std::uint8_t) message.size());
            traffic.insert (traffic.end(), message.begin(), message.end());
            out = ! out;
        }
        for (const auto& message : channelMessages)
        {
            traffic.push_back ((std::uint8_t) (1 << 2));
            traffic.push_back ((std::uint8_t) message.size());
            traffic.insert (traffic.end(), message.begin(), message.end());
        }
        if (traffic.size() <= maxSeed)
            write ("fuzz_monitor_decode", name, traffic);
    }
}

void partData (const Exchanges& e)
{
    for (const auto& [name, messages] : e.byName)
        for (std::size_t i = 0; i < messages.size(); ++i)
            if (messages[i].size() <= maxSeed)
                write ("fuzz_part_data", name + "_" + std::to_string (i), messages[i]);
}

void editParts (const Factory& f)
{
    for (const auto& [number, record] : programsByLayers (f.banks.at (typeProgram), 2400))
    {
        const ByteView view (record);
        std::vector<Bytes> parts { sysex::programCommonPart (0, 0, view), sysex::programFurtherPart (0, 0, view) };
        for (int k = 0; k < program::layerCount (view); ++k)
            parts.push_back (sysex::programLayerPart (0, 0, k, view));
        parts.push_back (sysex::programInfoPart (0, 0, view));
        if (join (parts).size() <= maxSeed)
            write ("fuzz_edit_parts", "program_" + std::to_string (number), join (parts));
        // The layers first, the common part last, as parts may arrive in any order.
        std::rotate (parts.begin(), parts.begin() + 2, parts.end());
        if (join (parts).size() <= maxSeed)
            write ("fuzz_edit_parts", "program_" + std::to_string (number) + "_reordered", join (parts));
    }
    for (const auto& [number, record] : smallRecords (f.banks.at (typeSetup), 2, 3400))
    {
        const ByteView view (record);
        std::vector<Bytes> parts { sysex::setupHeaderPart (0, view), sysex::setupCommonPart (0, view) };
        const auto table = setup::walkZones (view);
        for (int z = 0; z < table.walked; ++z)
        {
            const auto& zone = table.zones[(size_t) z];
            auto more = parts;
            more.push_back (sysex::setupZonePart (0, z, view.slice (zone.start, zone.length)));
            if (join (more).size() > maxSeed)
                break;
            parts = more;
        }
        write ("fuzz_edit_parts", "setup_" + std::to_string (number), join (parts));
    }
}

void records (const Factory& f)
{
    for (const auto& [number, record] : programsByLayers (f.banks.at (typeProgram), maxSeed))
        write ("fuzz_program_decode", "program_" + std::to_string (number), record);
    for (const auto& [number, record] : smallRecords (f.banks.at (typeSetup), 4, maxSeed))
        write ("fuzz_zone_walk", "setup_" + std::to_string (number), record);
    for (const auto& [number, record] : smallRecords (f.banks.at (typeFxChain), 6, maxSeed))
        write ("fuzz_fx_chain", "chain_" + std::to_string (number), record);
}

void arrangementState (const Factory& f)
{
    for (const int slot : { 0, 1, 7, 63 })
        write ("fuzz_arrangement_state", "arrangement_" + std::to_string (slot + 1), ArrangementState::make (ByteView (arrangementRecord (f, slot))));
    // The preset bank file with its first records: the whole file is longer than the fuzzer reads.
    const auto bank = BankState::make (ByteView (f.arrangements));
    for (const int records : { 1, 4, 12 })
        write ("fuzz_arrangement_state", "bank_" + std::to_string (records),
               Bytes (bank.begin(), bank.begin() + BankState::recordsOffset + records * arrangement::recordSize));
    // A record cut short by the end of the blob.
    const auto state = ArrangementState::make (ByteView (arrangementRecord (f, 2)));
    write ("fuzz_arrangement_state", "arrangement_cut", Bytes (state.begin(), state.end() - 40));
}

void arrangementList (const Factory& f)
{
    const auto entry = [&] (const std::u32string& name, int slot) {
        return libentry::make (name, ByteView (ArrangementState::make (ByteView (arrangementRecord (f, slot)))));
    };
    write ("fuzz_arrangement_list", "one", arrlist::encode ({ entry (U"Concert Grand", 0) }));
    write ("fuzz_arrangement_list", "three", arrlist::encode ({ entry (U"Concert Grand", 0), entry (U"Stage Split", 5), entry (U"Layered Pad", 9) }));
    write ("fuzz_arrangement_list", "empty_data", arrlist::encode ({ libentry::make (U"Only A Name", ByteView()) }));
    write ("fuzz_arrangement_list", "none", arrlist::encode ({}));
    const auto two = arrlist::encode ({ entry (U"First", 1), entry (U"Second", 2) });
    write ("fuzz_arrangement_list", "two_cut", Bytes (two.begin(), two.end() - 100));
}

// The object fetch target reads its input as a script: byte 0 chooses a run over
// every type, then each event starts with a byte whose value modulo 5 says what
// happens: 0 a time-out, 1 an information reply (size high, low), 2 a chunk
// (offset choice, length high, low, size field difference + 2, fill byte),
// 3 a refusal (reason), 4 raw bytes (count, bytes).
struct FetchScript
{
    Bytes bytes;

    explicit FetchScript (bool everyType) : bytes { (std::uint8_t) (everyType ? 1 : 0) } {}
    void timeOut() { bytes.push_back (0); }
    void information (int size) { append ({ 1, (std::uint8_t) (size / 64), (std::uint8_t) (size % 64) }); }
    void chunk (int length, std::uint8_t fill, int sizeDifference = 0)
    {
        append ({ 2, 1, (std::uint8_t) (length / 24), (std::uint8_t) (length % 24), (std::uint8_t) (sizeDifference + 2), fill });
    }
    void chunkAt (int offset, int length, std::uint8_t fill)
    {
        append ({ 2, 0, (std::uint8_t) (offset / 16), (std::uint8_t) (length / 24), (std::uint8_t) (length % 24), 2, fill });
    }
    void refusal (int reason) { append ({ 3, (std::uint8_t) reason }); }
    void raw (const Bytes& message)
    {
        bytes.push_back (4);
        bytes.push_back ((std::uint8_t) message.size());
        bytes.insert (bytes.end(), message.begin(), message.end());
    }
    /** An object of `size` bytes fetched whole, in chunks of at most 2048. */
    void object (int size, std::uint8_t fill)
    {
        information (size);
        for (int offset = 0; offset < size; offset += transfer::chunkLimit)
            chunk (std::min (transfer::chunkLimit, size - offset), fill);
    }

private:
    void append (std::initializer_list<std::uint8_t> b) { bytes.insert (bytes.end(), b); }
};

void objectFetch (const Factory& f)
{
    const auto programs = smallRecords (f.banks.at (typeProgram), 3, 16383);
    {
        FetchScript s (false);
        for (const auto& [number, record] : programs)
            s.object ((int) record.size(), record[30]);
        write ("fuzz_object_fetch", "three_programs", s.bytes);
    }
    {
        FetchScript s (false);
        s.refusal (4);
        s.object (5000, 0x11);
        s.refusal (4);
        write ("fuzz_object_fetch", "refused_around_one", s.bytes);
    }
    {
        // A chunk with a wrong size field, one at the wrong offset, a late refusal, a retry after a time-out.
        FetchScript s (false);
        s.information (3000);
        s.chunk (2048, 0x22, 2);
        s.chunkAt (16, 2048, 0x22);
        s.timeOut();
        s.chunk (2048, 0x22);
        s.refusal (7);
        s.chunk (952, 0x23);
        s.information (100);
        s.chunk (100, 0x24);
        s.timeOut();
        s.information (64);
        s.chunk (64, 0x25);
        write ("fuzz_object_fetch", "damaged_chunks", s.bytes);
    }
    {
        FetchScript s (false);
        for (int i = 0; i < 13; ++i)
            s.timeOut();
        write ("fuzz_object_fetch", "silent", s.bytes);
    }
    {
        // A run over every type: each object answered, then refused numbers end each type.
        FetchScript s (true);
        for (int i = 0; i < 6; ++i)
        {
            s.object (300 + 700 * i, (std::uint8_t) (0x30 + i));
            s.refusal (4);
            s.refusal (4);
        }
        write ("fuzz_object_fetch", "every_type", s.bytes);
    }
    {
        // Replies the fetch did not ask for, between the ones it did.
        FetchScript s (false);
        s.raw (identityReply (sysex::familyCode, sysex::memberCode));
        s.information (200);
        s.raw (acknowledgement());
        s.raw (informationReply (typeSetup, 9, 500, "Another Object"));
        s.chunk (200, 0x41);
        write ("fuzz_object_fetch", "unrelated_replies", s.bytes);
    }
}

} // namespace

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: " << argv[0] << " DIRECTORY\n";
        return 2;
    }
    outRoot = argv[1];
    try
    {
        const auto f = buildFactory();
        const auto e = exchanges (f);
        bankIndex (f);
        settings();
        valueText();
        sysexRoute (e);
        monitorTraffic (e);
        partData (e);
        editParts (f);
        records (f);
        arrangementState (f);
        arrangementList (f);
        objectFetch (f);
        objectFiles (f);
    }
    catch (const std::exception& x)
    {
        std::cerr << "fuzz corpus: " << x.what() << "\n";
        return 1;
    }
    std::printf ("fuzz corpus: %d files, %zu bytes in %s\n", written, writtenBytes, outRoot.c_str());
    return 0;
}
