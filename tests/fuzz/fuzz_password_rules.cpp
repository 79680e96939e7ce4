// The password rules and the wiping of secrets over any entry.
#include "dialogs/password_rules.h"

#include "fuzz/fuzz_input.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool confirmedExactly = input.ConsumeBool();
    const std::string password = input.ConsumeRandomLengthString(64);
    const std::string other = input.ConsumeRemainingBytesAsString();
    const std::string& confirmation = confirmedExactly ? password : other;

    const bool acceptable =
        password.size() >= kMinPasswordBytes && HasUppercase(password) && HasDigit(password);
    Require(IsValidPassword(password, confirmation) == (acceptable && confirmation == password));

    std::string secret = password;
    std::string bytes = password;
    WipeSecret(secret);
    Require(secret.empty());
    WipeBytes(bytes.data(), bytes.size());
    Require(std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; }));
    return 0;
}
