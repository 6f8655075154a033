// Core's messages: placeholders filled in one pass, and the translation hook.
#include "core/vertaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

struct InvulRij {
    const char* patroon;
    std::vector<std::string> args;
    const char* uit;
};

class Invullen : public ::testing::TestWithParam<InvulRij> {};

TEST_P(Invullen, ReplacesEachPlaceholderOnceAndLeavesTheRest)
{
    const auto& a = GetParam().args;
    std::string uit;
    switch (a.size()) {
    case 1: uit = Invul(GetParam().patroon, {a[0]}); break;
    case 2: uit = Invul(GetParam().patroon, {a[0], a[1]}); break;
    default: uit = Invul(GetParam().patroon, {}); break;
    }
    EXPECT_EQ(uit, GetParam().uit);
}

INSTANTIATE_TEST_SUITE_P(
    Patronen, Invullen,
    ::testing::Values(InvulRij{"%1 wissen ?", {"E%2A"}, "E%2A wissen ?"},  // an argument is not read again
                      InvulRij{"%2 of %1", {"a", "b"}, "b of a"},          // a translation may reorder
                      InvulRij{"%1 en %1", {"x"}, "x en x"},
                      InvulRij{"100% en %3", {"x"}, "100% en %3"},         // no such argument: as written
                      InvulRij{"%", {}, "%"}));

TEST(Vertaler, AnsweredByTheInstalledFunctionAndTheSourceWithoutOne)
{
    ZetVertaler([](const char* context, const char* tekst) { return std::string(context) + ":" + tekst; });
    EXPECT_EQ(Vertaal("Melding", "Geen stemming geselecteerd"), "Melding:Geen stemming geselecteerd");
    ZetVertaler(nullptr);
    EXPECT_EQ(Vertaal("Melding", "Geen stemming geselecteerd"), "Geen stemming geselecteerd");
}

} // namespace
} // namespace korvane
