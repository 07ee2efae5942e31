#include "OutputDevices.h"

#include "ModuleLoader.h"

std::unique_ptr<OutputDevices> loadOutputDevices() {
    const auto create = reinterpret_cast<OutputDevicesFactoryFunction>(findModuleSymbol(
        modulePaths(GAMUTRIX_OUTPUT_MODULE_FROM_BINDIR, GAMUTRIX_OUTPUT_MODULE_INSTALLED,
                    GAMUTRIX_OUTPUT_MODULE_BUILT),
        kOutputDevicesFactory));
    return std::unique_ptr<OutputDevices>(create != nullptr ? create() : nullptr);
}

QString missingOutputModuleText() {
    return QStringLiteral("The module for SVG and printing (gamutrix-output) could not be loaded.");
}
