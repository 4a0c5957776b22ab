#include "SetupValues.h"
#include "SetupLayout.h"

namespace zr9::setup
{

namespace
{

using Access = ValueAccess;

constexpr int perZoneRun = 16;

// Runs of 16 values, one per zone i: first number, extended offset, basic offset, step, access.
struct Run
{
    int first;
    int extended;
    int basic;
    int step;
    Access access;
};

constexpr Run runs[] = {
    { 3000, 70, 52, 1, Access::sumIfFirst }, // the second byte stands 16 bytes behind the first
    { 3100, 199, 181, 2, Access::byte },
    { 3200, 231, 213, 2, Access::byte },
    { 3300, 102, 84, 2, Access::signedWord },
    { 3400, 134, 116, 2, Access::signedWord },
};
constexpr int sumSecondByteDistance = 16;

struct Single
{
    int number;
    int extended;
    int basic;
    Access access;
};

constexpr Single singles[] = {
    { 3162, 294, 212, Access::signedWord }, { 3164, 296, 214, Access::signedWord },
    { 3167, 301, 217, Access::byte },       { 3171, 307, 221, Access::byte },
    { 3173, 309, 223, Access::byte },       { 3174, 312, 224, Access::byte },
    { 3175, 313, 225, Access::byte },
};

int read (ByteView r, long long at, Access access) noexcept
{
    switch (access)
    {
        case Access::byte: return r.byte (at);
        case Access::signedByte: return r.signedByte (at);
        case Access::signedWord: return r.signedWord (at);
        case Access::sumIfFirst:
        {
            const int first = r.byte (at);
            return first == 0 ? 0 : first + r.byte (at + sumSecondByteDistance);
        }
    }
    return 0;
}

void write (Bytes& b, long long at, Access access, int value) noexcept
{
    switch (access)
    {
        case Access::byte:
        case Access::signedByte: putByte (b, at, value); break;
        case Access::signedWord: putWord (b, at, value); break;
        case Access::sumIfFirst: break;
    }
}

int commonByteByFormat (ByteView r, int extended, int basic) noexcept
{
    return r.byte (isExtended (r) ? extended : basic);
}

int commonWordByFormat (ByteView r, int extended, int basic) noexcept
{
    return r.signedWord (isExtended (r) ? extended : basic);
}

constexpr int zoneHeadWords[] = { 11, 21, 27, 29 };

} // namespace

CommonValueField commonValueField (int number) noexcept
{
    for (const auto& run : runs)
        if (number >= run.first && number < run.first + perZoneRun)
        {
            const int i = number - run.first;
            return { run.extended + run.step * i, run.basic + run.step * i, run.access, true };
        }
    for (const auto& s : singles)
        if (number == s.number)
            return { s.extended, s.basic, s.access, true };
    return {};
}

int readCommonField (ByteView record, CommonValueField f) noexcept
{
    return f.valid ? read (record, isExtended (record) ? f.extended : f.basic, f.access) : 0;
}

void writeCommonField (Bytes& record, CommonValueField f, int value) noexcept
{
    if (f.valid)
        write (record, isExtended (ByteView (record)) ? f.extended : f.basic, f.access, value);
}

int readZoneField (ByteView zone, ZoneValueField f) noexcept
{
    return read (zone, f.offset, f.access);
}

void writeZoneField (Bytes& zone, ZoneValueField f, int value) noexcept
{
    write (zone, f.offset, f.access, value);
}

int commonValue (ByteView record, int number) noexcept
{
    return readCommonField (record, commonValueField (number));
}

bool isZoneKind (int kind) noexcept
{
    return kind == 4 || kind == 7 || kind == 37 || kind == 70 || kind == 441;
}

bool isZoneListKind (int kind) noexcept
{
    return kind == 35 || kind == 39 || kind == 41 || kind == 111 || kind == 43 || kind == 470;
}

int zoneHeadField (ByteView zone, int b) noexcept
{
    if (b < 0 || b >= zoneHeadSize)
        return 0;
    for (const int w : zoneHeadWords)
        if (b == w)
            return zone.signedWord (b);
    return zone.byte (b);
}

int parameterValue (ByteView record, ByteView zone, int kind, int number) noexcept
{
    switch (kind)
    {
        case 3:
            return number == 16 ? record.byte (39) : number == 22 ? record.byte (46) : number == 24 ? record.byte (48) : 0;
        case 13: return commonValue (record, number + 3000);
        case 17: return commonValue (record, number + 3300);
        case 19: return commonValue (record, number + 3100);
        case 23: return commonValue (record, number + 3400);
        case 25: return commonValue (record, number + 3200);
        case 15: case 21: case 46: return commonValue (record, number);
        case 27: return commonByteByFormat (record, 301, 217);
        case 29: return commonByteByFormat (record, 307, 221);
        case 31: return commonByteByFormat (record, 303, 219);
        case 33: return commonByteByFormat (record, 309, 223);
        case 271: return commonByteByFormat (record, 312, 224);
        case 311: return commonByteByFormat (record, 313, 225);
        case 272: return commonWordByFormat (record, 294, 212);
        case 312: return commonWordByFormat (record, 296, 214);
        default: break;
    }
    if (isZoneKind (kind))
        return zoneHeadField (zone, number);
    return 0;
}

} // namespace zr9::setup
