#pragma once

// Texts a loan file or a file name may hold to act on the screen or the spreadsheet they are shown in, each as every
// text output and window must show it and as a CSV's text cell must hold it; checked against the command line and
// against the windows.

#include <string>

struct TestoOstile {
    std::string testo;
    std::string visibile;
    std::string csv;
};

inline const TestoOstile TestiOstili[] = {
    {"\x1b[31mROSSO\x1b]0;T\x07", R"(\u001B[31mROSSO\u001B]0;T\u0007)", "\"\x1b[31mROSSO\x1b]0;T\x07\""},
    {"A\r\nTAEG PIÙ BASSO: B", R"(A\u000D\u000ATAEG PIÙ BASSO: B)", "\"A\r\nTAEG PIÙ BASSO: B\""},
    {"\xE2\x80\xAEtxt.exe\xE2\x81\xA6!\xE2\x80\xA8\xE2\x80\x8F", R"(\u202Etxt.exe\u2066!\u2028\u200F)",
     "\xE2\x80\xAEtxt.exe\xE2\x81\xA6!\xE2\x80\xA8\xE2\x80\x8F"},
    {"X\x7FY\tZ", R"(X\u007FY\u0009Z)", "X\x7FY\tZ"},
    {"C1\xC2\x9B[2J\xC2\x85", R"(C1\u009B[2J\u0085)", "C1\xC2\x9B[2J\xC2\x85"},
    {std::string("N\0UL", 4), R"(N\u0000UL)", std::string("N\0UL", 4)},
    {R"(=HYPERLINK("http://x";"y"))", R"(=HYPERLINK("http://x";"y"))", R"csv("'=HYPERLINK(""http://x"";""y"")")csv"},
    {"-2+3", "-2+3", "'-2+3"},
    {"\tSomma", R"(\u0009Somma)", "'\tSomma"},
    {"<h1 style=color:red>x</h1><img src=a.png>", "<h1 style=color:red>x</h1><img src=a.png>",
     "<h1 style=color:red>x</h1><img src=a.png>"},
};

// A loan file whose frequency is the text, as a JSON string: its refusal quotes it.
inline std::string MutuoConCadenza(const std::string& cadenza)
{
    std::string json = R"({"formato": "pianoamm", "versione": 1, "mutuo": {"importo": 1000, "numero_rate": 10, )"
                       R"("tasso": 4, "data_erogazione": "2020-01-01", "cadenza": ")";
    for (const char c : cadenza) {
        if (static_cast<unsigned char>(c) < 0x20U) {
            const char* cifre = "0123456789abcdef";
            json.append("\\u00").append(1, cifre[(c >> 4) & 0xF]).append(1, cifre[c & 0xF]);
        } else {
            json.append(c == '"' || c == '\\' ? "\\" : "").append(1, c);
        }
    }
    return json + "\"}}";
}
