// The fault matrix of a whole configuration run on the demo installation at
// the products' real default paths: every file the run edits, HOSTS included,
// meets each fault in turn, and the identity values meet blanks, per cent
// signs, quotes, non-ASCII bytes and great lengths. Each case compares the log,
// every file and every folder of the installation with what it expects, worked
// out here from the content the case laid out.
#include "editors/EditorTestSupport.h"
#include "engine/ConfigJob.h"
#include "engine/RunnerSupport.h"
#include "framework/FileException.h"
#include "matrix/MatrixSupport.h"

#include "ProductFixture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>

namespace
{
const long long HUGE_SIZE = 2147483648LL;
const size_t TMPFS_PAGE = 4096;
const char OLD_NAME_SUFFIX[] = ".old";

enum FILE_ID
{
    F_SETENV,
    F_DEPLOY,
    F_DBPARMS,
    F_USER,
    F_ORB_K,
    F_INDEX_K,
    F_ORB_D,
    F_INDEX_D,
    F_HOSTS,
    FILE_COUNT,
    NO_FILE = FILE_COUNT,
};
const char* const FILE_NAMES[] = {"setenv", "deploy", "dbparms", "user", "orb_k", "index_k", "orb_d", "index_d",
                                  "hosts"};

const std::string K = "c:\\kestrane\\fenwold\\manager";
const std::string D = "c:\\Program Files\\Zentrel\\dravoconsole\\console";
const std::string PRODUCT_PATHS[] = {
    K + "\\bin\\w32-ix86\\setenv.bat",
    K + "\\bin\\w32-ix86\\setDeployEnv.bat",
    K + "\\conf\\qalmdbparms.properties",
    K + "\\conf\\user.properties",
    K + "\\apps\\nemra\\java\\jre\\lib\\orb.properties",
    K + "\\apps\\nemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml",
    D + "\\embeddedNemra\\java\\jre\\lib\\orb.properties",
    D + "\\embeddedNemra\\config\\cells\\DefaultNode\\nodes\\DefaultNode\\serverindex.xml",
};

enum FAULT
{
    NO_FAULT,
    MISSING,
    LOCKED,
    READ_ONLY,
    DIRECTORY,
    DISK_FULL,
    EMPTY,
    HUGE,
    NUL_BYTES,
    LF_ENDINGS,
    DBCS_TRAIL, // a line whose key follows the byte 0x83, a lead byte in code page 932
    FAULT_COUNT,
};
const char* const FAULT_NAMES[] = {"no_fault", "missing", "locked",   "read_only",  "directory", "disk_full",
                                   "empty",    "huge",    "nul_bytes", "lf_endings", "dbcs_trail"};

struct IDENTITY
{
    std::string strName;
    std::string strShort;
    std::string strFull;
    std::string strIP;
};

std::string Repeated(const std::string& strPiece, size_t nLength)
{
    std::string strText;
    while (strText.size() < nLength)
        strText += strPiece;
    return strText.substr(0, nLength);
}

const IDENTITY STANDARD = {"standard", "trevolt7", "trevolt7.lab.example", "192.168.77.7"};

const IDENTITY IDENTITIES[] = {
    {"blanks", " trevolt 7 ", " trevolt7 .lab example ", " 192.168.77.7 "},
    {"per_cent", "%COMPUTERNAME%", "%SystemRoot%.lab%example", "192.168.77.7%"},
    {"quotes", "trev\"olt'7", "\"trevolt7.lab.example\"", "'192.168.77.7'"},
    // The short name ends in a lead byte of code page 932, right before the
    // closing quote of the XML values.
    {"non_ascii", "tr\xE9volt\xE9", "tr\xE9volt.\xFC\xDF.example", "192.168.77.7\xA0"},
    {"shift_jis", "\x83\x5C\x83\x4E", "\x83\x5C\x83\x4E.\x95\x5C.example", "192.168.77.7"},
    {"length_300", Repeated("trevolt7-", 300), Repeated("trevolt7.lab.example.", 300), Repeated("192.168.77.7 ", 300)},
    {"empty", "", "", ""},
};

enum VALUE_KIND
{
    FULL_NAME,
    SHORT_NAME,
    DB_URL,
    QUOTED_SHORT_NAME,
};

// The edit table as the demo installation meets it: the file, the key and the
// value the installation holds behind it.
struct EDIT_ROW
{
    FILE_ID nFile;
    const char* pszKey;
    const char* pszOld;
    VALUE_KIND kind;
};
const char OLD_URL[] = "jdbc\\:quarj\\:net\\://kesthost.corp.example\\:9553/FENWOLD";
const EDIT_ROW ROWS[] = {
    {F_SETENV, "QALM_LOCAL_HOSTNAME", "kesthost.corp.example", FULL_NAME},
    {F_DEPLOY, "NODE", "kesthost", SHORT_NAME},
    {F_DBPARMS, "kestrane.sanmgmt.jdbc.dbURL", OLD_URL, DB_URL},
    {F_USER, "SANDomainID", "kesthost.corp.example", FULL_NAME},
    {F_ORB_K, "com.zentrel.CORBA.LocalHost", "kesthost", SHORT_NAME},
    {F_INDEX_K, "hostName", "\"kesthost\"", QUOTED_SHORT_NAME},
    {F_INDEX_K, "host", "\"kesthost\"", QUOTED_SHORT_NAME},
    {F_ORB_D, "com.zentrel.CORBA.LocalHost", "kesthost", SHORT_NAME},
    {F_INDEX_D, "hostName", "\"kesthost\"", QUOTED_SHORT_NAME},
    {F_INDEX_D, "host", "\"kesthost\"", QUOTED_SHORT_NAME},
};
const char TRAIL_VALUE[] = "trail"; // the value of a DBCS_TRAIL line

const char OLD_HOST_LINE[] = "10.20.30.40    kesthost    kesthost.corp.example";
const char DBCS_HOST_LINE[] = "10.20.30.40    \x83\x5C\x83\x4E    kesthost.corp.example";

std::string NewValue(VALUE_KIND kind, const IDENTITY& identity)
{
    switch (kind)
    {
    case FULL_NAME: return identity.strFull;
    case SHORT_NAME: return identity.strShort;
    case DB_URL: return "jdbc\\:quarj\\:net\\://" + identity.strFull + "\\:9553/FENWOLD";
    case QUOTED_SHORT_NAME:
    default: return "\"" + identity.strShort + "\"";
    }
}

std::string HostLine(const IDENTITY& identity)
{
    return identity.strIP + "    " + identity.strShort + "    " + identity.strFull + "\r\n";
}

struct MATRIX_CASE
{
    std::string strName;
    int nFile; // the file with the fault; NO_FILE for the identity cases
    FAULT fault;
    IDENTITY identity;
};

void PrintTo(const MATRIX_CASE& c, std::ostream* os)
{
    *os << c.strName;
}

std::vector<MATRIX_CASE> AllCases()
{
    std::vector<MATRIX_CASE> cases = {{"no_fault", NO_FILE, NO_FAULT, STANDARD}};
    for (const IDENTITY& identity : IDENTITIES)
        cases.push_back({"identity_" + identity.strName, NO_FILE, NO_FAULT, identity});
    for (int nFile = 0; nFile < FILE_COUNT; ++nFile)
    {
        for (int nFault = MISSING; nFault < FAULT_COUNT; ++nFault)
            cases.push_back({std::string(FILE_NAMES[nFile]) + "_" + FAULT_NAMES[nFault], nFile,
                             static_cast<FAULT>(nFault), STANDARD});
    }
    return cases;
}

std::string Folder(const std::string& strPath)
{
    return strPath.substr(0, strPath.rfind('\\'));
}

std::string Name(const std::string& strPath)
{
    return strPath.substr(strPath.rfind('\\') + 1);
}

std::string ReplaceAll(std::string strText, const std::string& strFrom, const std::string& strTo)
{
    for (size_t at = strText.find(strFrom); at != std::string::npos; at = strText.find(strFrom, at + strTo.size()))
        strText.replace(at, strFrom.size(), strTo);
    return strText;
}

// The last line of the HOSTS text a case lays out, and the line end behind it.
struct HOSTS_END
{
    std::string strLine;
    std::string strEnd;
};

// What a case lays out: each file's content, or its absence, a directory or
// a huge file in its place.
struct LAYOUT
{
    std::vector<FILE_STATE> files;
    HOSTS_END hostsEnd = {OLD_HOST_LINE, "\r\n"};
};

FILE_STATE Variant(const std::string& strOriginal, int nFile, FAULT fault)
{
    FILE_STATE state = FILE_STATE::Bytes(strOriginal);
    const size_t nSecondLine = strOriginal.find('\n') + 1;
    switch (fault)
    {
    case MISSING: return FILE_STATE();
    case DIRECTORY: state = FILE_STATE(); state.kind = FILE_STATE::DIRECTORY; return state;
    case HUGE: state = FILE_STATE(); state.kind = FILE_STATE::HUGE_FILE; state.nSize = HUGE_SIZE; return state;
    case EMPTY: return FILE_STATE::Bytes("");
    case NUL_BYTES:
        return FILE_STATE::Bytes(std::string(1, '\0') + strOriginal.substr(0, nSecondLine) + std::string(1, '\0') +
                                 strOriginal.substr(nSecondLine));
    case LF_ENDINGS: return FILE_STATE::Bytes(ReplaceAll(strOriginal, "\r\n", "\n"));
    case DBCS_TRAIL:
    {
        if (nFile == F_HOSTS)
            return FILE_STATE::Bytes(ReplaceAll(strOriginal, OLD_HOST_LINE, DBCS_HOST_LINE));
        const std::string strEnd = strOriginal.find("\r\n") != std::string::npos ? "\r\n" : "\n";
        std::string strLines;
        for (const EDIT_ROW& row : ROWS)
        {
            if (row.nFile == nFile)
                strLines += "\x83" + std::string(row.pszKey) + "=" + TRAIL_VALUE + strEnd;
        }
        return FILE_STATE::Bytes(strOriginal.substr(0, nSecondLine) + strLines + strOriginal.substr(nSecondLine));
    }
    default: return state;
    }
}

LAYOUT Layout(const MATRIX_CASE& c, const CProductFixture& products, const std::vector<std::string>& paths)
{
    LAYOUT layout;
    for (int nFile = 0; nFile < FILE_COUNT; ++nFile)
        layout.files.push_back(
            Variant(products.Original(paths[nFile]), nFile, c.nFile == nFile ? c.fault : NO_FAULT));
    if (c.nFile == F_HOSTS)
    {
        if (c.fault == MISSING || c.fault == EMPTY)
            layout.hostsEnd = {"", ""};
        else if (c.fault == LF_ENDINGS)
            layout.hostsEnd.strEnd = "\n";
        else if (c.fault == DBCS_TRAIL)
            layout.hostsEnd.strLine = DBCS_HOST_LINE;
    }
    return layout;
}

void LayOut(const std::string& strPath, const FILE_STATE& file)
{
    switch (file.kind)
    {
    case FILE_STATE::ABSENT: DeleteFileA(strPath.c_str()); break;
    case FILE_STATE::DIRECTORY:
        DeleteFileA(strPath.c_str());
        if (!CreateDirectoryA(strPath.c_str(), nullptr))
            throw std::runtime_error("cannot create the folder " + strPath);
        break;
    case FILE_STATE::HUGE_FILE: CreateSparseFile(strPath, static_cast<long long>(file.nSize)); break;
    case FILE_STATE::BYTES:
    default: WriteBytes(strPath, file.strBytes); break;
    }
}

// Each old value behind "key=" replaced by the new value; found receives the
// old values in text order. In code page 932 a key right behind the byte 0x83
// is the second half of a character and no key.
std::string ReplaceKnownValues(const std::string& strText, const EDIT_ROW& row, const std::string& strNew, bool bDbcs,
                               std::vector<std::string>& found)
{
    const std::string strKey = row.pszKey;
    std::map<size_t, std::string> at; // where an old value starts -> the old value
    for (const std::string& strOld : {std::string(row.pszOld), std::string(TRAIL_VALUE)})
    {
        const std::string strNeedle = strKey + "=" + strOld;
        for (size_t pos = strText.find(strNeedle); pos != std::string::npos; pos = strText.find(strNeedle, pos + 1))
        {
            if (!(bDbcs && pos > 0 && strText[pos - 1] == '\x83'))
                at[pos + strKey.size() + 1] = strOld;
        }
    }
    std::string strResult;
    size_t nDone = 0;
    for (const auto& value : at)
    {
        strResult.append(strText, nDone, value.first - nDone);
        strResult += strNew;
        nDone = value.first + value.second.size();
        found.push_back(value.second);
    }
    strResult.append(strText, nDone, std::string::npos);
    return strResult;
}

struct EXPECTATION
{
    std::vector<LogLine> lines;    // behind the script's two lines
    std::vector<FILE_STATE> files; // after the run
    bool bDiskFull = false;        // the run ends with the full disk's error
};

// What the run does to the case's layout, as the editors are documented to
// behave.
EXPECTATION Expect(const MATRIX_CASE& c, const std::vector<std::string>& paths, const std::vector<FILE_STATE>& start,
                   const HOSTS_END& hostsEnd, bool bDbcs, bool bReadOnlyRefusesLoad)
{
    EXPECTATION e;
    e.files = start;
    const auto faulted = [&c](int nFile, FAULT fault) { return c.nFile == nFile && c.fault == fault; };
    const auto onFullDisk = [&c](int nFile) { return c.nFile == nFile && c.fault == DISK_FULL; };

    for (const EDIT_ROW& row : ROWS)
    {
        const std::string& strPath = paths[row.nFile];
        FILE_STATE& file = e.files[row.nFile];
        if (file.kind == FILE_STATE::ABSENT || file.kind == FILE_STATE::DIRECTORY || faulted(row.nFile, LOCKED))
        {
            e.lines.push_back(Error("Couldn't open file: " + strPath));
            continue;
        }
        e.lines.push_back(Info("Processing file: " + strPath));
        if (file.kind == FILE_STATE::HUGE_FILE)
        {
            e.lines.push_back(Error("File too long to process, "));
            continue;
        }
        if (file.strBytes.find(row.pszKey) == std::string::npos)
            e.lines.push_back(Error("Property '" + std::string(row.pszKey) + "' not found"));
        const std::string strNew = NewValue(row.kind, c.identity);
        std::vector<std::string> found;
        const std::string strEdited = ReplaceKnownValues(file.strBytes, row, strNew, bDbcs, found);
        for (const std::string& strOld : found)
            e.lines.push_back(Info("Changed " + strOld + "=>" + strNew));
        if (faulted(row.nFile, READ_ONLY))
        {
            e.lines.push_back(Error("Couldn't write file: " + strPath));
            continue;
        }
        if (onFullDisk(row.nFile))
        {
            e.lines.push_back(Error("Failed to output file: " + strPath));
            e.bDiskFull = true;
            return e;
        }
        e.lines.push_back(Info("Wrote output to file: " + strPath));
        file = FILE_STATE::Bytes(strEdited);
    }

    const std::string& strPath = paths[F_HOSTS];
    FILE_STATE& hosts = e.files[F_HOSTS];
    if (hosts.kind == FILE_STATE::DIRECTORY || faulted(F_HOSTS, LOCKED) ||
        (faulted(F_HOSTS, READ_ONLY) && bReadOnlyRefusesLoad))
    {
        e.lines.push_back(Error("Couldn't open file: " + strPath));
        return e;
    }
    if (hosts.kind == FILE_STATE::ABSENT)
        hosts = FILE_STATE::Bytes(""); // the load creates it
    e.lines.push_back(Info("Processing file: " + strPath));
    if (hosts.kind == FILE_STATE::HUGE_FILE)
    {
        e.lines.push_back(Error("File too long to process, "));
        return e;
    }
    if (hosts.strBytes.empty())
        e.lines.push_back(Warning("The hosts file is empty"));
    const std::string strHostLine = HostLine(c.identity);
    const std::string strOldEnd = hostsEnd.strLine + hostsEnd.strEnd;
    const std::string& strText = hosts.strBytes;
    if (strText.size() < strOldEnd.size() || strText.compare(strText.size() - strOldEnd.size(), std::string::npos,
                                                             strOldEnd) != 0)
        throw std::logic_error("the HOSTS layout does not end with its own last line");
    e.lines.push_back(Info("Replaced: " + hostsEnd.strLine));
    e.lines.push_back(Info("With: " + strHostLine));
    if (faulted(F_HOSTS, READ_ONLY))
    {
        e.lines.push_back(Error("Couldn't write file: " + strPath));
        return e;
    }
    if (onFullDisk(F_HOSTS))
    {
        e.lines.push_back(Error("Failed to output file: " + strPath));
        e.bDiskFull = true;
        return e;
    }
    e.lines.push_back(Info("Wrote output to file: " + strPath));
    hosts = FILE_STATE::Bytes(strText.substr(0, strText.size() - strOldEnd.size()) + strHostLine);
    return e;
}

// The files of the target's folder that the run writes before the target.
std::vector<int> WrittenBefore(int nTarget, const std::vector<std::string>& paths)
{
    std::vector<int> files;
    for (const EDIT_ROW& row : ROWS)
    {
        if (row.nFile == nTarget)
            break;
        if (Folder(paths[row.nFile]) == Folder(paths[nTarget]) &&
            std::find(files.begin(), files.end(), row.nFile) == files.end())
            files.push_back(row.nFile);
    }
    return files;
}

// Names the first line that differs; a whole log in one message is hard to
// read.
void ExpectLog(const std::vector<LogLine>& expected, const std::vector<LogLine>& actual)
{
    for (size_t i = 0; i < expected.size() && i < actual.size(); ++i)
    {
        if (!(expected[i] == actual[i]))
        {
            ADD_FAILURE() << "log line " << i << ": expected " << ::testing::PrintToString(expected[i]) << ", got "
                          << ::testing::PrintToString(actual[i]);
            return;
        }
    }
    if (expected.size() != actual.size())
    {
        const std::vector<LogLine>& longer = expected.size() > actual.size() ? expected : actual;
        const LogLine& first = longer[std::min(expected.size(), actual.size())];
        ADD_FAILURE() << "expected " << expected.size() << " log lines, got " << actual.size()
                      << "; the first beyond the shorter log: " << ::testing::PrintToString(first);
    }
}

// Wine lets root open a read-only file for writing, so as root the HOSTS load
// gets through and only the write-back is refused.
bool ReadOnlyRefusesOpenForWriting()
{
    const CTempDir dir("matrix-ro");
    const std::string strPath = dir / "probe";
    WriteBytes(strPath, "x");
    SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_READONLY);
    const CFileHandle hFile(CreateFileA(strPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    return !hFile.IsValid();
}

class FaultMatrix : public ::testing::TestWithParam<MATRIX_CASE>
{
protected:
    static void SetUpTestSuite()
    {
        s_bReadOnlyRefusesLoad = ReadOnlyRefusesOpenForWriting();
        s_nCases = 0;
        s_nFiles = 0;
        s_nLost = 0;
    }

    static void TearDownTestSuite()
    {
        std::printf("fault matrix%s: %d cases tried, %d files checked, bytes lost: %llu\n",
                    GetACP() == 932 ? " (code page 932)" : "", s_nCases, s_nFiles, s_nLost);
        std::fflush(stdout);
    }

    void SetUp() override
    {
        if (const char* pszExpected = std::getenv("CELVANE_EXPECT_ACP"))
        {
            ASSERT_EQ(static_cast<UINT>(std::atoi(pszExpected)), GetACP());
        }
    }

    static bool s_bReadOnlyRefusesLoad;
    static int s_nCases;
    static int s_nFiles;
    static unsigned long long s_nLost;
};
bool FaultMatrix::s_bReadOnlyRefusesLoad = false;
int FaultMatrix::s_nCases = 0;
int FaultMatrix::s_nFiles = 0;
unsigned long long FaultMatrix::s_nLost = 0;

TEST_P(FaultMatrix, Run)
{
    const MATRIX_CASE& c = GetParam();
    const bool bDbcs = GetACP() == 932;
    CTempDir temp("matrix");
    CTempOverride tempOverride(temp.Path());
    CProductFixture products;
    CLogCapture log;
    std::vector<std::string> paths(std::begin(PRODUCT_PATHS), std::end(PRODUCT_PATHS));
    paths.push_back(products.HostsPath());

    std::unique_ptr<CTmpfsMount> mount;
    if (c.fault == DISK_FULL)
    {
        mount = std::make_unique<CTmpfsMount>(Folder(paths[c.nFile]), "size=16k");
        if (!mount->IsMounted())
            GTEST_SKIP() << "a tmpfs cannot be mounted over " << Folder(paths[c.nFile])
                         << " (needs root): the disk-full case is skipped";
    }
    const LAYOUT layout = Layout(c, products, paths);
    for (int nFile = 0; nFile < FILE_COUNT; ++nFile)
        LayOut(paths[nFile], layout.files[nFile]);
    // The disk keeps a page free for each file written before the target in
    // its folder, and each of those keeps its old content under a second
    // name, so that its write-back gives no page back: the target's own
    // write-back is the first to find the disk full.
    std::vector<int> writtenBefore;
    if (mount)
    {
        writtenBefore = WrittenBefore(c.nFile, paths);
        const std::string strSpare = Folder(paths[c.nFile]) + "\\spare";
        WriteBytes(strSpare, std::string(TMPFS_PAGE * writtenBefore.size(), 's'));
        mount->Fill();
        ASSERT_TRUE(DeleteFileA(strSpare.c_str()));
        for (int nFile : writtenBefore)
        {
            ASSERT_TRUE(CreateHardLinkA((paths[nFile] + OLD_NAME_SUFFIX).c_str(), paths[nFile].c_str(), nullptr));
        }
    }
    if (c.fault == READ_ONLY)
    {
        ASSERT_TRUE(SetFileAttributesA(paths[c.nFile].c_str(), FILE_ATTRIBUTE_READONLY));
    }
    std::vector<FILE_STATE> start;
    for (const std::string& strPath : paths)
        start.push_back(FILE_STATE::Read(strPath));
    std::unique_ptr<CFileLocker> locker;
    if (c.fault == LOCKED)
        locker = std::make_unique<CFileLocker>(paths[c.nFile]);

    const EXPECTATION expected = Expect(c, paths, start, layout.hostsEnd, bDbcs, s_bReadOnlyRefusesLoad);

    CConfigJob job;
    CStandin standin(job, 0);
    bool bDiskFull = false;
    try
    {
        job.Run(c.identity.strShort.c_str(), c.identity.strFull.c_str(), c.identity.strIP.c_str());
    }
    catch (const CFileException& e)
    {
        bDiskFull = e.m_cause == CFileException::diskFull;
        EXPECT_TRUE(bDiskFull) << "the run ended with an error: " << e.what();
    }
    catch (const std::exception& e)
    {
        ADD_FAILURE() << "the run ended with an error: " << e.what();
    }
    if (locker)
        locker->Release();
    ++s_nCases;

    EXPECT_EQ(expected.bDiskFull, bDiskFull);
    const std::vector<LogLine> lines = log.Drain();
    ASSERT_FALSE(lines.empty());
    const std::string strExecuting = lines[0].strText;
    EXPECT_EQ("Executing: " + temp.Path() + "\\", strExecuting.substr(0, temp.Path().size() + 12));
    std::vector<LogLine> expectedLines = {Info(strExecuting), Info("Script executed successfully")};
    expectedLines.insert(expectedLines.end(), expected.lines.begin(), expected.lines.end());
    ExpectLog(expectedLines, lines);

    for (int nFile = 0; nFile < FILE_COUNT; ++nFile)
    {
        const FILE_STATE actual = FILE_STATE::Read(paths[nFile]);
        ++s_nFiles;
        EXPECT_EQ(expected.files[nFile], actual) << paths[nFile];
        if (expected.files[nFile] == start[nFile] && actual != start[nFile])
            s_nLost += start[nFile].nSize;
    }

    // No temporary file stays behind, and nothing else appears.
    std::map<std::string, std::vector<std::string>> folders;
    for (int nFile = 0; nFile < FILE_COUNT; ++nFile)
    {
        std::vector<std::string>& names = folders[Folder(paths[nFile])];
        if (expected.files[nFile].kind != FILE_STATE::ABSENT)
            names.push_back(Name(paths[nFile]));
    }
    if (mount)
        folders[Folder(paths[c.nFile])].push_back("filler");
    for (int nFile : writtenBefore)
        folders[Folder(paths[nFile])].push_back(Name(paths[nFile]) + OLD_NAME_SUFFIX);
    for (auto& folder : folders)
    {
        std::sort(folder.second.begin(), folder.second.end());
        EXPECT_EQ(folder.second, ListDir(folder.first)) << folder.first;
    }
}

INSTANTIATE_TEST_SUITE_P(Matrix, FaultMatrix, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<MATRIX_CASE>& info) { return info.param.strName; });
} // namespace
