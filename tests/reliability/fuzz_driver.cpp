// The fuzz targets' main where libFuzzer is not available (gcc builds): replays the seed
// corpus, then feeds random mutations of it for a fixed time. No coverage feedback, but the
// same targets and the same checks run, so CI can take them in its normal build. Takes
// libFuzzer's flags -max_total_time, -seed and -timeout; others are ignored. Without a time
// it replays the seeds only.

#include <signal.h>
#include <unistd.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// A crash ends the process by its signal; the seed (-seed) repeats the inputs that led to it.
void OnAlarm(int) {
    const char text[] = "fuzz: an input ran past the timeout\n";
    [[maybe_unused]] const ssize_t n = ::write(2, text, sizeof text - 1);
    ::_exit(70);
}

long Flag(const char* arg, const char* name, long fallback) {
    const size_t n = std::strlen(name);
    if (std::strncmp(arg, name, n) == 0 && arg[n] == '=') return std::atol(arg + n + 1);
    return fallback;
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}

    QByteArray Mutate(QByteArray data, const QList<QByteArray>& corpus) {
        const int steps = 1 + Below(4);
        for (int i = 0; i < steps; ++i)
            MutateOnce(data, corpus);
        data.truncate(4096);
        return data;
    }

private:
    int Below(int n) { return n <= 0 ? 0 : int(rng_() % unsigned(n)); }

    void MutateOnce(QByteArray& data, const QList<QByteArray>& corpus) {
        // Lengths and counts are where readers go wrong: values near the edges of 8, 16 and
        // 32 bits are written as often as random bytes.
        static const quint32 kEdges[] = {0,     1,      2,      0x7f,       0x80,       0xff,
                                         0x100, 0x7fff, 0x8000, 0xffff,     0x10000,    259,
                                         260,   520,    521,    0x7fffffff, 0xffffffff, 16};
        switch (Below(data.isEmpty() ? 2 : 9)) {
            case 0:  // insert random bytes
            case 1:
                for (int at = Below(int(data.size()) + 1), n = 1 + Below(8); n > 0; --n)
                    data.insert(at, char(rng_()));
                break;
            case 2:  // flip a bit
                data[Below(int(data.size()))] ^= char(1 << Below(8));
                break;
            case 3:  // a random byte
                data[Below(int(data.size()))] = char(rng_());
                break;
            case 4: {  // erase a range
                const int at = Below(int(data.size()));
                data.remove(at, 1 + Below(int(data.size()) - at));
                break;
            }
            case 5: {  // an edge value, little-endian, of 1, 2 or 4 bytes
                const quint32 value = kEdges[Below(int(std::size(kEdges)))];
                const int width = 1 << Below(3);
                const int at = Below(int(data.size()));
                for (int i = 0; i < width && at + i < data.size(); ++i)
                    data[at + i] = char((value >> (8 * i)) & 0xff);
                break;
            }
            case 6: {  // duplicate a chunk elsewhere
                const int from = Below(int(data.size()));
                const QByteArray chunk = data.mid(from, 1 + Below(64));
                data.insert(Below(int(data.size()) + 1), chunk);
                break;
            }
            case 7:  // cut the end
                data.truncate(Below(int(data.size())));
                break;
            default: {  // splice with another input
                const QByteArray& other = corpus[Below(int(corpus.size()))];
                if (other.isEmpty()) break;
                const int at = Below(int(data.size()));
                data = data.left(at) + other.mid(Below(int(other.size())));
                break;
            }
        }
    }

    std::mt19937 rng_;
};

void Run(const QByteArray& input, long timeout) {
    alarm(unsigned(timeout));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                           size_t(input.size()));
}

}  // namespace

int main(int argc, char** argv) {
    long maxTime = 0;
    long seed = 0;
    long timeout = 20;
    QList<QByteArray> corpus;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] == '-') {
            maxTime = Flag(arg, "-max_total_time", maxTime);
            seed = Flag(arg, "-seed", seed);
            timeout = Flag(arg, "-timeout", timeout);
            continue;
        }
        const QString path = QString::fromLocal8Bit(arg);
        QStringList files = QFileInfo(path).isFile() ? QStringList{path} : QStringList();
        for (QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files.append(it.next());
        for (const QString& name : files) {
            QFile file(name);
            if (file.open(QIODevice::ReadOnly)) corpus.append(file.readAll());
        }
    }
    if (corpus.isEmpty()) corpus.append(QByteArray());
    if (seed == 0) seed = long(::getpid());
    signal(SIGALRM, OnAlarm);

    QElapsedTimer clock;
    clock.start();
    for (const QByteArray& input : corpus)
        Run(input, timeout);
    long done = long(corpus.size());
    std::printf("INFO: replayed %lld seed inputs\n", static_cast<long long>(corpus.size()));
    Mutator mutator{unsigned(seed)};
    std::mt19937 pick(unsigned(seed) + 1);
    while (clock.elapsed() < maxTime * 1000) {
        const QByteArray& base = corpus[int(pick() % unsigned(corpus.size()))];
        Run(mutator.Mutate(base, corpus), timeout);
        ++done;
    }
    alarm(0);
    std::printf("Done %ld runs in %lld second(s)\n", done,
                static_cast<long long>(clock.elapsed() / 1000));
    return 0;
}
