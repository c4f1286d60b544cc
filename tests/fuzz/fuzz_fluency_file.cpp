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
    Require(student.GetFluency() == (decoded ? decoded->fluency : data::FactFluency{}),
            "a readable record is loaded (its good facts), any other starts empty");
    if (decoded) {
        const auto encoded = data::EncodeFluency(decoded->fluency);
        const auto again = data::DecodeFluency(encoded);
        Require(again && again->fluency == decoded->fluency && again->badFacts.empty(),
                "what is read is written back the same");
        Require(decoded->version != data::kFluencyVersion || !decoded->badFacts.empty() ||
                    encoded.size() == size,
                "a good record of this version is written back as long");
    }
    for (const auto& [key, times] : student.GetFluency().Facts()) {
        const auto kept = times.Kept();
        const auto median = data::MedianMs(times);
        Require(!median || (*median >= *std::ranges::min_element(kept) &&
                            *median <= *std::ranges::max_element(kept)),
                "the median lies among the kept times");
        const auto fluency = data::FluencyOf(&times, false);
        Require(fluency != data::Fluency::Fluent || (median && *median <= data::kFluentMs),
                "a fluent fact is quick when right");
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
