// A bank read on one thread while another stores into it.

#include "model/ObjProgramBankClass.h"
#include "support/BankBuilder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace zr9;

TEST (BankSnapshot, AReaderAlwaysSeesAWholeBankWhileAThousandRecordsAreStored)
{
    constexpr int numbers = 100;
    constexpr int stores = 1000;
    constexpr size_t recordSize = 400;

    // Every stored record is filled with one byte, so a record made of two stores shows at once.
    const auto recordOf = [] (int version) {
        Bytes r = test::makeRecord ("Stored " + std::to_string (version), recordSize);
        std::fill (r.begin() + 20, r.end(), (std::uint8_t) (version & 0xFF));
        return r;
    };

    ObjProgramBankClass programs;
    std::map<int, Bytes> initial;
    for (int n = 1; n <= numbers; ++n)
        initial[n] = recordOf (0);
    programs.indexBank (ByteView (test::makeFullBank (typeProgram, numbers, initial)), numbers);

    std::atomic<bool> storing { true };
    std::atomic<int> reads { 0 }, torn { 0 };
    std::thread reader ([&] {
        while (storing.load())
        {
            const auto bank = programs.snapshot();
            for (int n = 1; n <= numbers; n += 7)
            {
                const auto r = bank->record (n);
                if (r.size() != recordSize || ! std::all_of (r.begin() + 20, r.end(), [&] (std::uint8_t b) { return b == r[20]; }))
                    ++torn;
            }
            ++reads;
        }
    });

    while (reads.load() == 0) {} // the reader is at work before the first store
    for (int i = 1; i <= stores; ++i)
        ASSERT_TRUE (programs.storeRecord (1 + i % numbers, ByteView (recordOf (i))));
    storing = false;
    reader.join();

    EXPECT_EQ (torn.load(), 0);
    EXPECT_GT (reads.load(), 0);
    EXPECT_EQ (programs.bank().record (1 + stores % numbers), recordOf (stores));
}
