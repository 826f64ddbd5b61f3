"""OpenCC 1.4.2's dictionaries and configurations, read from third_party/ and run as OpenCC runs them.

OpenCC's build derives some dictionaries from the shipped ones (data/dictionary/BUILD.bazel); they are
derived here the same way, into memory:
  TWVariantsRev, HKVariantsRev   reverse.py over TWVariants, HKVariants (run as the build runs it)
  TSCharactersExt                extract_tofu_risk.py over TSCharacters (run as the build runs it)
  STPhrases_GeneratedFromRegionalPhrases
                                 generate_st_phrases_from_regional_phrases.py's rule: the keys of
                                 HKPhrases and TWPhrases through t2s.json with the tofu-risk dictionaries,
                                 those of 3 or more characters, each to the key it came from; conflicting
                                 projections are an error. Its converter is OpenConverter below.
A configuration (data/config/*.json) runs as OpenCC runs it: the normalisation chain over the whole text,
then maximum forward matching with the segmentation dictionary (unmatched characters gather into one
segment), then each step of the conversion chain over each segment by longest prefix. Dictionaries marked
may_output_tofu are left out, as OpenCC leaves them out by default.
"""

import json
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OPENCC = "third_party/opencc-1.4.2"
DICTIONARY_DIR = OPENCC + "/data/dictionary"
CONFIG_DIR = OPENCC + "/data/config"
SCRIPTS_DIR = OPENCC + "/data/scripts"

# The files a generator reads: (repository-relative path).
INPUTS = []


def _path(relative):
    if relative not in INPUTS:
        INPUTS.append(relative)
    return os.path.join(ROOT, relative)


def _read_text_dict(path):
    entries = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            key, values = line.rstrip("\r\n").split("\t", 1)
            entries[key] = values.split(" ")
    return entries


def _run_script(script, source):
    """Runs one of OpenCC's derivation scripts over a shipped dictionary; returns the derived one."""
    _path(f"{SCRIPTS_DIR}/common.py")  # the scripts import it
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "out.txt")
        subprocess.run([sys.executable, _path(f"{SCRIPTS_DIR}/{script}"), _path(source), out], check=True,
                       cwd=os.path.join(ROOT, SCRIPTS_DIR), stdout=subprocess.DEVNULL)
        return _read_text_dict(out)


class Dict:
    def __init__(self, entries):
        self.entries = entries
        self.max_length = max((len(k) for k in entries), default=0)

    def match(self, text, i):
        """The longest key at text[i:]: (length, first value), or None."""
        for length in range(min(self.max_length, len(text) - i), 0, -1):
            values = self.entries.get(text[i:i + length])
            if values is not None:
                return length, values[0]
        return None


class Group:
    def __init__(self, dicts, union):
        self.dicts, self.union = dicts, union
        self.max_length = max((d.max_length for d in dicts), default=0)

    def match(self, text, i):
        best = None
        for d in self.dicts:
            found = d.match(text, i)
            if found is None:
                continue
            if not self.union:
                return found
            if best is None or found[0] > best[0]:
                best = found
        return best


def convert_with(dictionary, text):
    """One step: longest prefix at each position, characters without a match copied."""
    out, i = [], 0
    while i < len(text):
        found = dictionary.match(text, i)
        if found is None:
            out.append(text[i])
            i += 1
        else:
            out.append(found[1])
            i += found[0]
    return "".join(out)


class Library:
    """The dictionaries by OpenCC's file names, the derived ones included."""

    def __init__(self):
        self.cache = {}

    def get(self, name):
        if name not in self.cache:
            self.cache[name] = Dict(self._load(name))
        return self.cache[name]

    def _load(self, name):
        base = f"{DICTIONARY_DIR}/{name}.txt"
        if name in ("TWVariantsRev", "HKVariantsRev"):
            return _run_script("reverse.py", f"{DICTIONARY_DIR}/{name[:-3]}.txt")
        if name == "TSCharactersExt":
            return _run_script("extract_tofu_risk.py", f"{DICTIONARY_DIR}/TSCharacters.txt")
        if name == "STPhrases_GeneratedFromRegionalPhrases":
            return self._regional_phrases()
        return _read_text_dict(_path(base))

    def _regional_phrases(self):
        t2s = OpenConverter(self, "t2s", include_tofu_risk=True)
        projections = {}
        for name in ("HKPhrases", "TWPhrases"):
            for key in self.get(name).entries:
                simplified = t2s.convert(key)
                if len(simplified) >= 3:
                    projections.setdefault(simplified, []).append(key)
        conflicts = {k: v for k, v in projections.items() if len(set(v)) > 1}
        if conflicts:
            raise SystemExit(f"conflicting regional phrase projections: {conflicts}")
        return {k: [v[0]] for k, v in projections.items()}


class OpenConverter:
    """One of OpenCC's configurations, run as OpenCC runs it."""

    def __init__(self, library, name, include_tofu_risk=False):
        self.library, self.include_tofu_risk = library, include_tofu_risk
        with open(_path(f"{CONFIG_DIR}/{name}.json"), encoding="utf-8") as f:
            config = json.load(f)
        self.normalization = [self._dict(step["dict"]) for step in config.get("normalization", [])]
        segmentation = config.get("segmentation")
        self.segmentation = self._dict(segmentation["dict"]) if segmentation else None
        self.chain = [self._dict(step["dict"]) for step in config["conversion_chain"]]

    def _dict(self, entry):
        if entry["type"] == "group":
            dicts = [self._dict(d) for d in entry["dicts"]
                     if self.include_tofu_risk or not d.get("may_output_tofu", False)]
            return Group(dicts, entry.get("match_policy", "short_circuit") == "union")
        return self.library.get(os.path.splitext(entry["file"])[0])

    def dicts(self):
        """Every leaf dictionary of the chain, step by step: [[Dict, ...], ...]."""
        def leaves(d):
            return [x for sub in d.dicts for x in leaves(sub)] if isinstance(d, Group) else [d]
        return [leaves(step) for step in self.chain]

    def normalize(self, text):
        for step in self.normalization:
            text = convert_with(step, text)
        return text

    def convert_segment(self, segment):
        for step in self.chain:
            segment = convert_with(step, segment)
        return segment

    def segments(self, text):
        if self.segmentation is None:
            return [text] if text else []
        out, run, i = [], "", 0
        while i < len(text):
            found = self.segmentation.match(text, i)
            if found is None:
                run += text[i]
                i += 1
                continue
            if run:
                out.append(run)
                run = ""
            out.append(text[i:i + found[0]])
            i += found[0]
        if run:
            out.append(run)
        return out

    def convert(self, text):
        return "".join(self.convert_segment(s) for s in self.segments(self.normalize(text)))
