#pragma once

namespace velmora {

// The web sites the program points to, each with its scheme and host; pages add their paths.
// The public portal of vocational training of the Ministry of Education.
inline constexpr const char* kVocationalTrainingPortal = "https://www.todofp.es";
// The public employment service, with its pages on professional certificates.
inline constexpr const char* kEmploymentServiceSite = "https://www.sepe.es";
// The program's own site: the documents its screens point to, its pages on getting into
// university and on grants, and the pages on courses outside the official system that the list
// of other studies leads to, kept up to date there so that the program's addresses never go
// stale.
inline constexpr const char* kProgramSite = "https://www.velmora.es";
inline constexpr const char* kStudiesPortal = kProgramSite;
// The ministry in charge of universities, which publishes the figures of the university system.
inline constexpr const char* kUniversitiesMinistry = "https://www.ciencia.gob.es";
// The Ministry's public register of officially recognised university degrees.
inline constexpr const char* kRegisteredDegrees = "https://www.educacion.gob.es/ruct";

}  // namespace velmora
