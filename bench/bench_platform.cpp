// The settings file: a program's start reading a registry file of 1 000 keys, of 80 000 keys
// and of as many keys as the 16 MiB the reader takes, then the values a start looks up (the
// print options, the recent files, the proxy). Reading is linear: the time a key stays the same
// however many keys there are.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/reg_file_registry.h"
#include "printing/print_settings.h"
#include "records/proxy_lookup.h"
#include "support/temp_folder.h"

namespace {

using namespace xvexo;

// A registry text of Keys keys with two values each (or as many as fit in MaxBytes), the print
// options and a proxy among them, like the file of a user whose other programs keep their
// settings there too.
std::string SettingsText(size_t& Keys, size_t MaxBytes) {
    const std::string Proxy =
        "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\windows\\CurrentVersion\\Internet Settings]\r\n"
        "\"ProxyEnable\"=dword:00000000\r\n";
    std::string T =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Version Info]\r\n"
        "\"version\"=\"0408A\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\KelVexoView\\Print Option Info]\r\n"
        "\"tmargin\"=\"300\"\r\n\"gogrid\"=\"150\"\r\n\r\n";
    size_t Made = 2;
    for (; Made + 1 < Keys; ++Made) {
        const std::string Key = "[HKEY_CURRENT_USER\\Software\\Other\\Key" + std::to_string(Made) +
                                "]\r\n\"Name\"=\"value " + std::to_string(Made) +
                                "\"\r\n\"Count\"=dword:0000002a\r\n\r\n";
        if (T.size() + Key.size() + Proxy.size() > MaxBytes) break;
        T += Key;
    }
    Keys = Made + 1;
    return T + Proxy;
}

void BM_StartOnSettingsFile(benchmark::State& State) {
    // 0: as many keys as the 16 MiB the reader takes hold.
    size_t Keys = State.range(0) > 0 ? static_cast<size_t>(State.range(0)) : SIZE_MAX;
    const std::string Text = SettingsText(Keys, size_t{16} << 20);
    testing::TTempFolder Dir;
    const std::filesystem::path File = Dir / "user.reg";
    testing::WriteBytes(File, Text);
    for (auto _ : State) {
        TRegFileRegistry Registry(File);
        TReadOnlyRegistry View(Registry);
        TPrintOptions Options;
        TKelStatus Status(View, Options);
        for (int i = 1; i <= 10; ++i) {
            benchmark::DoNotOptimize(
                Registry.ReadString("Software\\XVexoView\\Recent Files", std::to_string(i)));
        }
        TProxySetting Proxy;
        LookupProxy(Registry, Proxy);
        if (Options.gogrid != 150) State.SkipWithError("the print options were not read");
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
    State.counters["keys"] = static_cast<double>(Keys);
    State.counters["MiB"] = static_cast<double>(Text.size()) / (1 << 20);
    State.counters["per_key"] = benchmark::Counter(
        static_cast<double>(Keys),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_StartOnSettingsFile)->Arg(1000)->Arg(80000)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
