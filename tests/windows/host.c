/*
 * A Windows host program for the DLL: loads it with LoadLibraryW, finds the
 * function by name and by ordinal, reads the export directory and the version
 * record back, and runs the function on the given files and on file names
 * the code page can and cannot represent.
 *
 *   host.exe OUTDIR INPUT...
 *
 * Each INPUT is written to OUTDIR under its own name (red 120 %, green 100 %,
 * blue 80 %). Prints one line per check and "N passed, N failed".
 */
#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

typedef int32_t (*BrightnessFunction)(const wchar_t*, const wchar_t*, int32_t, int32_t, int32_t);

static int passed;
static int failed;

static void Check(int ok, const char* what) {
  printf("%-58s %s\n", what, ok ? "pass" : "FAIL");
  if (ok) ++passed; else ++failed;
}

static const char* ExportDirectoryName(HMODULE module) {
  const BYTE* base = (const BYTE*)module;
  const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)base;
  const IMAGE_NT_HEADERS* nt = (const IMAGE_NT_HEADERS*)(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY* entry = &nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (entry->VirtualAddress == 0) return "";
  const IMAGE_EXPORT_DIRECTORY* exports = (const IMAGE_EXPORT_DIRECTORY*)(base + entry->VirtualAddress);
  return (const char*)(base + exports->Name);
}

static int VersionString(const void* record, const wchar_t* name, const wchar_t* expected) {
  wchar_t query[128];
  swprintf(query, 128, L"\\StringFileInfo\\040904b0\\%ls", name);
  wchar_t* value = NULL;
  UINT length = 0;
  return VerQueryValueW(record, query, (void**)&value, &length) && length > 0 &&
         wcscmp(value, expected) == 0;
}

static void CheckVersionRecord(HMODULE module) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(module, path, MAX_PATH);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  static BYTE record[16384];
  const int read = size > 0 && size <= sizeof record && GetFileVersionInfoW(path, 0, size, record);
  Check(read, "version record present");
  if (!read) return;
  VS_FIXEDFILEINFO* fixed = NULL;
  UINT length = 0;
  const int fixedOk = VerQueryValueW(record, L"\\", (void**)&fixed, &length) && fixed != NULL;
  Check(fixedOk && fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0x00000001,
        "file version 1, 0, 0, 1");
  Check(fixedOk && fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0x00000001,
        "product version 1, 0, 0, 1");
  WORD* translation = NULL;
  Check(VerQueryValueW(record, L"\\VarFileInfo\\Translation", (void**)&translation, &length) &&
            length >= 4 && translation[0] == 0x0409 && translation[1] == 1200,
        "language US English, Unicode code page");
  Check(VersionString(record, L"FileDescription", L"QuindleBMPBrightnessRGB DLL"), "description");
  Check(VersionString(record, L"InternalName", L"QuindleBMPBrightnessRGB"), "internal name");
  Check(VersionString(record, L"OriginalFilename", L"QuindleBMPBrightnessRGB.DLL"), "original file name");
  Check(VersionString(record, L"ProductName", L"QuindleBMPBrightnessRGB Dynamic Link Library"),
        "product name");
}

static void Join(wchar_t* out, const wchar_t* folder, const wchar_t* name) {
  swprintf(out, MAX_PATH, L"%ls\\%ls", folder, name);
}

static const wchar_t* BaseName(const wchar_t* path) {
  const wchar_t* name = path;
  for (const wchar_t* p = path; *p; ++p) {
    if (*p == L'\\' || *p == L'/') name = p + 1;
  }
  return name;
}

static int Exists(const wchar_t* path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: host.exe OUTDIR INPUT...\n");
    return 2;
  }
  const wchar_t* folder = argv[1];
  HMODULE module = LoadLibraryW(L"QuindleBMPBrightnessRGB.dll");
  Check(module != NULL, "LoadLibraryW");
  if (module == NULL) {
    printf("%d passed, %d failed\n", passed, failed);
    return 1;
  }
  BrightnessFunction byName = (BrightnessFunction)(void*)GetProcAddress(module, "BMPBrightnessRGB");
  BrightnessFunction byOrdinal = (BrightnessFunction)(void*)GetProcAddress(module, MAKEINTRESOURCEA(1));
  Check(byName != NULL, "export BMPBrightnessRGB by name");
  Check(byName != NULL && byName == byOrdinal, "export ordinal 1 is the same function");
  Check(strcmp(ExportDirectoryName(module), "QUINDLEBMPBRIGHTNESSRGB.dll") == 0,
        "export directory named QUINDLEBMPBRIGHTNESSRGB.dll");
  CheckVersionRecord(module);
  if (byName == NULL) {
    printf("%d passed, %d failed\n", passed, failed);
    return 1;
  }

  for (int i = 2; i < argc; ++i) {
    wchar_t output[MAX_PATH];
    char what[160];
    Join(output, folder, BaseName(argv[i]));
    snprintf(what, sizeof what, "brighten %ls", BaseName(argv[i]));
    Check(byName(argv[i], output, 120, 100, 80) == 999, what);
  }

  wchar_t path[MAX_PATH];
  wchar_t other[MAX_PATH];
  /* A name the code page (1252) can represent. */
  Join(path, folder, L"caf\u00e9-entr\u00e9e.bmp");
  Join(other, folder, L"caf\u00e9-sortie.bmp");
  CopyFileW(argv[2], path, FALSE);
  Check(byName(path, other, 120, 100, 80) == 999 && Exists(other), "name within the code page works");
  /* Names it cannot: the input is not found, the output is not made. */
  Join(path, folder, L"\u65e5\u672c.bmp");
  CopyFileW(argv[2], path, FALSE);
  Check(byName(path, other, 120, 100, 80) == 1, "input named outside the code page gives 1");
  Join(path, folder, L"\u8a9e-out.bmp");
  Check(byName(argv[2], path, 120, 100, 80) == 1 && !Exists(path),
        "output named outside the code page gives 1, no file");
  /* The output may name the input, and may replace an existing file. */
  Join(path, folder, L"same.bmp");
  CopyFileW(argv[2], path, FALSE);
  Check(byName(path, path, 120, 100, 80) == 999, "output naming the input is replaced");
  Join(other, folder, L"twice.bmp");
  Check(byName(argv[2], other, 50, 50, 50) == 999 && byName(argv[2], other, 120, 100, 80) == 999,
        "an existing output is replaced");
  Check(byName(NULL, other, 100, 100, 100) == 1 && byName(argv[2], NULL, 100, 100, 100) == 1,
        "null paths give 1");

  FreeLibrary(module);
  printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
