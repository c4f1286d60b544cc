// A fluency record S.flu as any bytes: the load, a first try and the write that follows.
#include "FuzzSupport.h"

#include "data/CStudent.h"
#include "data/FactFluency.h"
#include "data/StudentRecordFile.h"
#include "platform/Files.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartInput();
    const std::span<const std::uint8_t> bytes{data, size};
    WriteInputFile("/Data/Bo.nfo", data::SerializeStudentRecord({.idType = 3, .level = 1}));
    WriteInputFile("/Data/Bo.flu", bytes);
    CStudent student;
    Require(student.Load("Bo"), "a fluency record never stops a sign-in");

    const auto decoded = data::DecodeFluency(bytes);
    Require(student.GetFluency() == decoded.value_or(data::FactFluency{}),
            "a readable record is loaded, any other starts empty");
    if (decoded) {
        const auto encoded = data::EncodeFluency(*decoded);
        Require(encoded.size() == size && data::DecodeFluency(encoded) == decoded,
                "what is read is written back the same");
    }
    for (const auto& [key, times] : student.GetFluency().Facts()) {
        const auto kept = times.Kept();
        const auto median = data::MedianMs(times);
        Require(!median || (*median >= *std::ranges::min_element(kept) &&
                            *median <= *std::ranges::max_element(kept)),
                "the median lies among the kept times");
        data::FluencyOf(&times, false);
    }

    const Problem fact{
        .firstOperand = 7, .secondOperand = 5, .operation = kPlus, .correctAnswer = 12};
    student.RecordFirstTry(fact, true, 1200);
    Require(student.SaveFluency(), "the record is written");
    CStudent reloaded;
    Require(reloaded.Load("Bo") && reloaded.GetFluency() == student.GetFluency(),
            "what is written reads back the same");
    return 0;
}
