// Qt backend: placeholder.
namespace qd470::qt {}
