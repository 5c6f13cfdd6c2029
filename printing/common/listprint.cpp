#include "printing/common/listprint.h"

#include <algorithm>

#include "common/platform.h"
#include "payerstore/fizetopar.h"

namespace {
bool printable(const CsoportSor& s, bool mind, int32_t db) {
  return (mind || s.kijelolt) && s.rekordSzam >= 1 && s.rekordSzam <= db;
}
}  // namespace

std::vector<int32_t> listRows(const std::vector<CsoportSor>& sorok, bool mind, int32_t db) {
  std::vector<int32_t> rows;
  for (const CsoportSor& s : sorok)
    if (printable(s, mind, db)) rows.push_back(s.rekordSzam);
  return rows;
}

std::vector<int> torlendoSorok(const PrintResult& r, int16_t printDel) {
  if (printDel <= 0 || !r.hibatlan) return {};
  std::vector<int> sorok = r.sorok;
  std::sort(sorok.begin(), sorok.end(), std::greater<>());
  return sorok;
}

const Kozl3sorRekord& ListRow::kozl3sor() {
  olvasva(par_.kozl(n, utolso.Kozl3sor), par_);
  utolso.vanKozl3sor = true;
  return utolso.Kozl3sor;
}

PrintResult printList(Platform& pf, ErrorClass errorClass, const std::vector<CsoportSor>& sorok,
                      const std::function<bool(PrintJob&)>& setup,
                      const std::function<void(PrintJob&, ListRow&)>& place, int perPage) {
  PrintResult out;
  const std::unique_ptr<PrintJob> job = printJob(pf, errorClass);
  if (!job) return out;
  out.printed = job->run([&](PrintJob& j) {
    const bool mind = setup(j);
    // The notice file is opened only by a form that reads it, so it is never created for nothing.
    std::optional<FizetoPar> par(std::in_place, pf.folder);
    const int32_t db = olvasva(par->count(), *par);
    for (size_t i = 0; i < sorok.size(); ++i) {
      if (!printable(sorok[i], mind, db)) continue;
      const int32_t n = sorok[i].rekordSzam;
      CsoportUtolso& u = out.utolso ? *out.utolso : out.utolso.emplace();
      olvasva(par->nevek(n, u.Nevek), *par);
      ListRow row(n, u, *par);
      place(j, row);
      if (++out.lapok % perPage == 0) j.newPage();
      out.sorok.push_back(int(i));
    }
    par.reset();
    j.endDoc();
  });
  out.hibatlan = out.printed && job->errors().empty();
  if (!job->errors().empty()) out.elsoHiba = job->errors().front();
  return out;
}
