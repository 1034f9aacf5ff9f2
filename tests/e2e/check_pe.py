"""Checks the release exe as a file: a 32-bit PE with ASLR and DEP, importing
only Windows system DLLs, carrying its icon group, version record and
manifest."""
import sys

import pefile

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "msvcrt.dll", "advapi32.dll",
               "shell32.dll", "comdlg32.dll", "ole32.dll", "shlwapi.dll", "ntdll.dll"}


def main(path):
    pe = pefile.PE(path)
    failures = []
    if pe.FILE_HEADER.Machine != 0x14C or pe.OPTIONAL_HEADER.Magic != 0x10B:
        failures.append("not a PE32 file for i386")
    flags = pe.OPTIONAL_HEADER.DllCharacteristics
    for name, bit in (("DYNAMIC_BASE", 0x40), ("NX_COMPAT", 0x100)):
        if not flags & bit:
            failures.append(f"{name} is not set")
    imports = sorted(entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT)
    foreign = [dll for dll in imports if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
    if foreign:
        failures.append(f"imports non-system DLLs: {foreign}")

    resource_kinds = getattr(getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None), "entries", [])
    resources = {}
    for kind in resource_kinds:
        resources[kind.id] = [str(e.name) if e.name is not None else e.id for e in kind.directory.entries]
    if "DEFAULT_ICON" not in resources.get(pefile.RESOURCE_TYPE["RT_GROUP_ICON"], []):
        failures.append("no icon group DEFAULT_ICON")
    manifest = ""
    for kind in resource_kinds:
        if kind.id != pefile.RESOURCE_TYPE["RT_MANIFEST"]:
            continue
        for entry in kind.directory.entries:
            for language in entry.directory.entries:
                data = language.data.struct
                manifest = pe.get_data(data.OffsetToData, data.Size).decode("utf-8")
    # Wine answers the questions a manifest settles (theme version, DPI
    # awareness) the same either way, so the manifest itself is read.
    for needle in ('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"', 'level="asInvoker"',
                   ">PerMonitorV2, PerMonitor<", ">true/pm<"):
        if needle not in manifest:
            failures.append(f"the manifest lacks {needle}")
    info = {}
    for file_info in getattr(pe, "FileInfo", []):
        for entry in file_info:
            for table in getattr(entry, "StringTable", []):
                info.update({k.decode(): v.decode() for k, v in table.entries.items()})
    for key, value in (("FileVersion", "1.0.0.0"), ("ProductVersion", "1.0.0.0"),
                       ("FileDescription", "Tarnwick"), ("ProductName", "Tarnwick")):
        if info.get(key) != value:
            failures.append(f"version record {key} is {info.get(key)!r}, not {value!r}")

    print(f"imports: {', '.join(imports)}; DllCharacteristics 0x{flags:04x}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
