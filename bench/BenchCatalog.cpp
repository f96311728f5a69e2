#include "bench/BenchCatalog.h"

#include <fstream>

void WriteBenchCatalog(const std::string& path, int lines)
{
    std::ofstream out(path, std::ios::binary);
    out << ">Fixed\r\n>Serial 1A2B3C4D\r\n>Volume DATA\r\n>Free 51200 MB\r\n>Total 102400 MB\r\n"
           ">Root Dir \\home\\ann\r\n>Recursive Dir True\r\n>Search zip content True\r\n"
           ">Enable comment True\r\n>Search *.*\r\n>Comment bench\r\n";
    std::string line;
    for (int i = 0; i < lines - 11; ++i) {
        line = "\\home\\ann\\photos\\" + std::to_string(2000 + i % 20) + "\\trip" +
               std::to_string(i % 97) + "\\";
        if (i % 10 == 0)
            line += "archive" + std::to_string(i) + ".zip/docs\\page" + std::to_string(i) +
                    ".html>" + std::to_string(i % 5000) +
                    " Kb/01/02/2003>Found in zipfile :archive" + std::to_string(i) + ".zip<";
        else if (i % 10 == 1)
            line += "index" + std::to_string(i) + ".html>" + std::to_string(i % 700) +
                    " Kb/15/06/2010>Holiday pictures & notes<";
        else
            line += "IMG_" + std::to_string(i) + ".jpg>" + std::to_string(i % 9000) +
                    " Kb/31/12/2019";
        out << line << "\r\n";
    }
}
