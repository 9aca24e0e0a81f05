"""What bench/bench.py and bench/reliability.py share: the machine line, and the generated
part of a page in docs/ between its markers (the notes written by hand around it stay)."""
import os
import platform


def machine_text():
    cpu = ""
    try:
        with open("/proc/cpuinfo") as f:
            cpu = next(l.split(":", 1)[1].strip() for l in f if l.startswith("model name"))
    except (OSError, StopIteration):
        pass
    return f"{os.cpu_count()} cores, {cpu}, {platform.system()} {platform.release()}"


def write_generated(path, marker, body, title):
    """Puts body between <!-- marker:begin --> and <!-- marker:end --> in the page at path,
    appending the pair where the page has none."""
    begin, end = f"<!-- {marker}:begin -->", f"<!-- {marker}:end -->"
    generated = f"{begin}\n{body}\n{end}"
    try:
        with open(path) as f:
            page = f.read()
    except FileNotFoundError:
        page = f"# {title}\n\n"
    if begin in page and end in page:
        page = page[:page.index(begin)] + generated + page[page.index(end) + len(end):]
    else:
        page = page.rstrip("\n") + "\n\n" + generated + "\n"
    with open(path, "w") as f:
        f.write(page)
