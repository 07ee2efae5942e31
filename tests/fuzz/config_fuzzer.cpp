// libFuzzer target for the configuration file reader: besides running under the address and
// undefined-behaviour sanitizers, every input is checked against properties that hold for any text.

#include "ConfigFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

// "instrument mode" as read, or "void"; a broken property aborts, and libFuzzer keeps the input.
static std::string reading(const std::string& strText) {
    const auto values = ConfigFile::parse(strText);
    return values ? std::to_string(values->intInstrument) + " " + std::to_string(values->intMode)
                  : "void";
}

static void require(bool boolHolds, const char* strProperty) {
    if (!boolHolds) {
        std::fprintf(stderr, "property violated: %s\n", strProperty);
        std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string strText(reinterpret_cast<const char*>(data), size);
    const std::string strRead = reading(strText);

    // Whatever was read, the program writes so that it reads back unchanged.
    if (const auto values = ConfigFile::parse(strText)) {
        require(reading(ConfigFile::format(values->intInstrument, values->intMode)) == strRead,
                "format reads back as written");
    }

    // CR LF and a lone CR end a line just as LF does.
    std::string strLf(strText);
    for (auto at = strLf.find("\r\n"); at != std::string::npos; at = strLf.find("\r\n", at)) {
        strLf.erase(at, 1);
    }
    std::replace(strLf.begin(), strLf.end(), '\r', '\n');
    require(reading(strLf) == strRead, "line ends are equivalent");

    // After a sound file later lines win; after a void one nothing rescues it.
    require(reading(strText + "\ninstrument = 2\nmode = 1") == (strRead == "void" ? "void" : "2 1"),
            "later lines win, voiding is final");
    return 0;
}
