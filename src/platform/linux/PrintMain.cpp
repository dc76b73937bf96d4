// brickwork-garden-print look | send PICTURE TITLE: the game's one way to the
// print server (CUPS, through libcups), as a program of its own, so that a
// slow or silent server holds up this process and never the game, which
// kills it when it overruns. `look` finds the default printer; `send` prints
// the picture on it, landscape, fitted to the page and centred, as a job
// named TITLE. Exit code 0 when done (the printer, or the job, on standard
// output), 1 with the reason on standard output, 2 for a wrong command line.
// The helper goes when the game does.

#include <cups/cups.h>

#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <sys/prctl.h>

namespace
{

// How long the helper itself waits for the server to take the connection;
// the game's own limit ends a helper that waits on an answer.
constexpr int connectMs = 5000;

struct ConnectionCloser
{
    void operator()(http_t* http) const { httpClose(http); }
};
struct DestinationFreer
{
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Connection = std::unique_ptr<http_t, ConnectionCloser>;
using Destination = std::unique_ptr<cups_dest_t, DestinationFreer>;

// The server CUPS_SERVER or the client's settings name, as a player reads it.
std::string serverName()
{
    const std::string server = cupsServer();
    return server[0] == '/' ? server : server + ":" + std::to_string(ippPort());
}

// The connection to the print server, or null with the reason said.
Connection connect()
{
    Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 connectMs, nullptr));
    if (!http)
        std::cout << "no print server at " << serverName() << "\n";
    return http;
}

// The default printer of the server, or null with the reason said.
Destination defaultPrinter(http_t* http)
{
    Destination dest(cupsGetNamedDest(http, nullptr, nullptr));
    if (!dest)
        std::cout << "no default printer at " << serverName() << " ("
                  << cupsLastErrorString() << ")\n";
    return dest;
}

int send(http_t* http, const cups_dest_t& dest, const char* picture, const char* title)
{
    cups_option_t* options = nullptr;
    int count = 0;
    count = cupsAddOption(CUPS_ORIENTATION, CUPS_ORIENTATION_LANDSCAPE, count, &options);
    count = cupsAddOption("print-scaling", "fit", count, &options);
    count = cupsAddOption("fit-to-page", "true", count, &options);
    count = cupsAddOption("position", "center", count, &options);
    const int job = cupsPrintFile2(http, dest.name, picture, title, count, options);
    cupsFreeOptions(count, options);
    if (job == 0)
    {
        std::cout << "the printer " << dest.name << " took no job: " << cupsLastErrorString()
                  << "\n";
        return 1;
    }
    std::cout << "job " << job << " on " << dest.name << "\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (!((command == "look" && argc == 2) || (command == "send" && argc == 4)))
    {
        std::cerr << "usage: brickwork-garden-print look | send PICTURE TITLE\n";
        return 2;
    }
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const Connection http = connect();
    if (!http)
        return 1;
    const Destination dest = defaultPrinter(http.get());
    if (!dest)
        return 1;
    if (command == "look")
    {
        std::cout << dest->name << "\n";
        return 0;
    }
    return send(http.get(), *dest, argv[2], argv[3]);
}
