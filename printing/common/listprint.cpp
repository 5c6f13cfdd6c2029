#include "printing/common/listprint.h"

#include "common/platform.h"
#include "common/recordfile.h"

std::vector<int32_t> listRows(const std::vector<CsoportSor>& sorok, bool mind, int32_t db) {
  std::vector<int32_t> rows;
  for (const CsoportSor& s : sorok)
    if ((mind || s.kijelolt) && s.rekordSzam >= 1 && s.rekordSzam <= db) rows.push_back(s.rekordSzam);
  return rows;
}

const Kozl3sorRekord& ListRow::kozl3sor() {
  kozl_().read(n, utolso.Kozl3sor);
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
    std::unique_ptr<RecordFile> kozl;
    auto kozlFile = [&]() -> RecordFile& {
      if (!kozl) kozl = std::make_unique<RecordFile>(pf.folder, kKozl3sorFile, Kozl3sorRekord::Length);
      return *kozl;
    };
    RecordFile nevek(pf.folder, kNevekFile, NevekRekord::Length);
    for (const int32_t n : listRows(sorok, mind, nevek.count())) {
      CsoportUtolso& u = out.utolso ? *out.utolso : out.utolso.emplace();
      nevek.read(n, u.Nevek);
      ListRow row(n, u, kozlFile);
      place(j, row);
      if (++out.lapok % perPage == 0) j.newPage();
    }
    if (kozl) kozl->close();
    nevek.close();
    j.endDoc();
  });
  return out;
}
